#include "features/moments/moments_window.h"

#include <QVBoxLayout>

#include <utility>

namespace quarn {

MomentsWindow::MomentsWindow(QWidget& owner, const QWidget& board)
    : SideWindow(owner, board)
{
    setWindowTitle(tr("Moments"));
    setObjectName(QStringLiteral("momentsWindow"));
    heading_.setObjectName(QStringLiteral("momentsHeading"));
    heading_.setWordWrap(true);
    // The heading names the list, which a screen reader says as the list takes the focus.
    heading_.setBuddy(&list_);
    list_.setObjectName(QStringLiteral("momentsList"));
    list_.setModel(&model_);
    list_.setWordWrap(true);
    list_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_.setResizeMode(QListView::Adjust);
    list_.setUniformItemSizes(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(&heading_);
    layout->addWidget(&list_);
    resize(420, 320);
    connect(&list_, &QListView::activated, this,
            [this](const QModelIndex& index) { emit Chosen(model_.StepAt(index.row())); });
}

void MomentsWindow::OpenOrRaise()
{
    Present(420);
    Show();
    list_.setFocus();
}

void MomentsWindow::SetMoments(std::vector<MomentsModel::Row> rows, bool found)
{
    rows_ = std::move(rows);
    found_ = found;
    shownRows_ = false;
    if (isVisible()) {
        Show();
    }
}

void MomentsWindow::SetNow(int step)
{
    now_ = step;
    if (isVisible()) {
        Show();
    }
}

void MomentsWindow::Show()
{
    if (!shownRows_) {
        heading_.setText(found_ ? tr("The moments of the run, from its start or the last edit "
                                     "to its fate. Enter takes the board to one.")
                                : tr("Finding the moments of the run…"));
        model_.SetMoments(rows_);
        shownRows_ = true;
    }
    const int latest = model_.SetNow(now_);
    if (latest >= 0) {
        list_.setCurrentIndex(model_.index(latest));
        list_.scrollTo(model_.index(latest));
    } else {
        list_.setCurrentIndex({});
    }
}

} // namespace quarn
