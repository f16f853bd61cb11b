#include "features/objects/objects_window.h"

#include "features/objects/board_objects.h"

#include <QApplication>
#include <QHash>
#include <QKeySequence>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <cmath>

namespace quarn {

namespace {

// At most once a second while the board runs: a list rewritten at every generation of a run costs
// more to draw than the board does, and nobody can read it that fast.
constexpr qint64 kFollowEveryMs = 1000;

// An entry drawn as the style draws it, but for its text, which is laid out once for each line
// it has held of late: as the board runs, an entry's line changes at every generation, and lines
// come round again (an oscillator's, in each phase), where the style would lay every one out
// afresh at every painting, more than once.
class LineDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = std::exchange(item.text, {});
        const QWidget* view = item.widget;
        QStyle* style = view != nullptr ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);
        const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &item, view);
        const QStaticText& line = Laid(text, item.font);
        painter->setFont(item.font);
        painter->setPen(item.palette.color(item.state.testFlag(QStyle::State_Selected)
                                               ? QPalette::HighlightedText
                                               : QPalette::Text));
        const QSizeF size = line.size();
        painter->drawStaticText(
            QPointF(room.left() + 2, room.top() + (room.height() - size.height()) / 2), line);
    }

    // As wide as the line, so that the list scrolls to a long one.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QStaticText& line = Laid(index.data().toString(), option.font);
        constexpr int kMargin = 4;
        return {static_cast<int>(std::ceil(line.size().width())) + 2 * kMargin,
                option.fontMetrics.height() + kMargin};
    }

private:
    const QStaticText& Laid(const QString& text, const QFont& font) const
    {
        constexpr qsizetype kKept = 512;
        if (laid_.size() > kKept) {
            laid_.clear();
        }
        auto found = laid_.find(text);
        if (found == laid_.end()) {
            QStaticText line(text);
            line.setTextFormat(Qt::PlainText);
            line.prepare(QTransform(), font);
            found = laid_.insert(text, line);
        }
        return found.value();
    }

    mutable QHash<QString, QStaticText> laid_;
};

// The bottom-right cell of the cells' box.
FieldCell BottomRight(const Field& cells)
{
    FieldCell corner = cells.TopLeft();
    for (const FieldCell& cell : cells.Cells()) {
        corner.row = std::max(corner.row, cell.row);
        corner.column = std::max(corner.column, cell.column);
    }
    return corner;
}

} // namespace

ObjectsWindow::ObjectsWindow(BoardObjects& objects, QWidget* owner)
    : QWidget(owner, Qt::Window),
      objects_(objects)
{
    setWindowTitle(tr("Objects"));
    setObjectName(QStringLiteral("objectsWindow"));
    fate_.setObjectName(QStringLiteral("objectsFate"));
    fate_.setWordWrap(true);
    fate_.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    list_.setObjectName(QStringLiteral("objectsList"));
    list_.setModel(&model_);
    list_.setItemDelegate(new LineDelegate(&list_));
    list_.setAccessibleName(tr("Objects"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(&fate_);
    layout->addWidget(&list_);
    resize(380, 300);

    connect(list_.selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!showingChosen_) {
                    Choose(current.row());
                }
            });
    following_.setSingleShot(true);
    connect(&following_, &QTimer::timeout, this, &ObjectsWindow::Show);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void ObjectsWindow::Open()
{
    const bool opening = !isVisible();
    if (!placed_ && parentWidget() != nullptr) {
        placed_ = true;
        Place();
    }
    show();
    raise();
    activateWindow();
    if (opening) {
        Show();
        list_.setFocus();
    }
}

// Wide enough for the lines of the board as it is, in the person's language, and beside the
// board: to its right, else to its left, else as far right as the screen goes.
void ObjectsWindow::Place()
{
    const QRect board = parentWidget()->frameGeometry();
    const QRect screen = parentWidget()->screen()->availableGeometry();
    int widest = list_.fontMetrics().horizontalAdvance(fate_.text());
    for (const BoardObject& object : objects_.Now().objects) {
        widest = std::max(
            widest, list_.fontMetrics().horizontalAdvance(BoardObjects::Words(object.Line())));
    }
    constexpr int kRoom = 48; // the margins, the list's frame and a scroll bar
    resize(std::clamp(widest + kRoom, width(), screen.width() / 2), height());
    const int gap = 8;
    const int right = board.right() + gap;
    const int left = board.left() - gap - width();
    const int x = right + width() <= screen.right() ? right
                  : left >= screen.left()           ? left
                                          : std::max(screen.left(), screen.right() - width());
    move(x, board.top());
}

void ObjectsWindow::Follow(bool running)
{
    if (!isVisible()) {
        return;
    }
    if (!running) {
        following_.stop();
        Show();
        return;
    }
    if (!following_.isActive()) {
        const qint64 since = shown_.isValid() ? shown_.elapsed() : kFollowEveryMs;
        following_.start(static_cast<int>(std::max<qint64>(0, kFollowEveryMs - since)));
    }
}

// The one chosen stays with the object that overlaps the one outlined, as a glider goes on
// gliding.
void ObjectsWindow::Show()
{
    if (!isVisible()) {
        return;
    }
    shown_.restart();
    const Description description = objects_.DescriptionNow();
    fate_.setText(BoardObjects::Words(description.Outlook()));
    QStringList lines;
    for (const Message& line : description.lines) {
        lines << BoardObjects::Words(line);
    }
    model_.SetLines(lines);
    const Census& census = objects_.Now();
    int follows = -1;
    const Field around = chosen_.Within(1);
    for (std::size_t i = 0; i < census.objects.size() && follows < 0 && !chosen_.Empty(); ++i) {
        if (!(around & census.objects[i].cells).Empty()) {
            follows = static_cast<int>(i);
        }
    }
    ShowChosen(follows);
    if (follows < 0) {
        chosen_ = {};
    } else {
        chosen_ = census.objects[static_cast<std::size_t>(follows)].cells;
    }
    Outline();
}

void ObjectsWindow::ShowChosen(int entry)
{
    const QModelIndex index = model_.index(entry);
    if (list_.currentIndex() == index) {
        return;
    }
    showingChosen_ = true;
    list_.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    showingChosen_ = false;
}

void ObjectsWindow::hideEvent(QHideEvent* event)
{
    following_.stop();
    chosen_ = {};
    ShowChosen(-1);
    emit OutlineGone();
    QWidget::hideEvent(event);
}

void ObjectsWindow::Choose(int entry)
{
    const Census& census = objects_.Now();
    if (entry < 0 || entry >= static_cast<int>(census.objects.size())) {
        chosen_ = {};
        Outline();
        return;
    }
    const BoardObject& object = census.objects[static_cast<std::size_t>(entry)];
    chosen_ = object.cells;
    Outline();
    emit Chosen(object.first.row, object.first.column);
}

void ObjectsWindow::Outline()
{
    if (chosen_.Empty()) {
        emit OutlineGone();
        return;
    }
    const FieldCell top = chosen_.TopLeft();
    const FieldCell bottom = BottomRight(chosen_);
    emit Outlined(top.row, top.column, bottom.row, bottom.column);
}

} // namespace quarn
