#include "features/objects/objects_window.h"

#include "features/objects/board_objects.h"

#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace quarn {

namespace {

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
    // A line too long for the window goes on to the next, rather than out of sight.
    list_.setWordWrap(true);
    list_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_.setAccessibleName(tr("Objects"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(&fate_);
    layout->addWidget(&list_);
    resize(380, 300);

    connect(&list_, &QListWidget::currentRowChanged, this, &ObjectsWindow::Choose);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void ObjectsWindow::Open()
{
    const bool opening = !isVisible();
    if (!placed_ && parentWidget() != nullptr) {
        // Beside the board: to its right, else to its left, else as far right as the screen
        // goes.
        placed_ = true;
        const QRect board = parentWidget()->frameGeometry();
        const QRect screen = parentWidget()->screen()->availableGeometry();
        const int gap = 8;
        const int right = board.right() + gap;
        const int left = board.left() - gap - width();
        const int x = right + width() <= screen.right() ? right
                      : left >= screen.left()           ? left
                                              : std::max(screen.left(), screen.right() - width());
        move(x, board.top());
    }
    show();
    raise();
    activateWindow();
    if (opening) {
        Follow();
        list_.setFocus();
    }
}

// The entries are rewritten in place, so that the list keeps its place and its focus; the one
// chosen stays with the object that overlaps the one outlined, as a glider goes on gliding.
void ObjectsWindow::Follow()
{
    if (!isVisible()) {
        return;
    }
    const Census& census = objects_.Now();
    fate_.setText(census.objects.empty() ? BoardObjects::Words(census.Summary())
                                         : BoardObjects::Words(objects_.FateNow().Line()));
    const auto count = static_cast<int>(census.objects.size());
    while (list_.count() > count) {
        delete list_.takeItem(list_.count() - 1);
    }
    int follows = -1;
    const Field around = chosen_.Near1();
    for (int i = 0; i < count; ++i) {
        const BoardObject& object = census.objects[static_cast<std::size_t>(i)];
        const QString line = BoardObjects::Words(object.Line());
        if (i < list_.count()) {
            if (list_.item(i)->text() != line) {
                list_.item(i)->setText(line);
            }
        } else {
            list_.addItem(line);
        }
        if (follows < 0 && !chosen_.Empty() && !(around & object.cells).Empty()) {
            follows = i;
        }
    }
    const QSignalBlocker quiet(list_);
    list_.setCurrentRow(follows);
    if (follows < 0) {
        chosen_ = {};
    } else {
        chosen_ = census.objects[static_cast<std::size_t>(follows)].cells;
    }
    Outline();
}

void ObjectsWindow::hideEvent(QHideEvent* event)
{
    chosen_ = {};
    {
        const QSignalBlocker quiet(list_);
        list_.setCurrentRow(-1);
    }
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
