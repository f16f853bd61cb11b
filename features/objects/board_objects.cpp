#include "features/objects/board_objects.h"

#include "geometry/cell_geometry.h"
#include "translations/translations.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

#include <optional>

namespace quarn {

BoardObjects::BoardObjects(QWidget& area, const Board& board)
    : QObject(&area),
      area_(area),
      board_(board)
{
    area_.installEventFilter(this);
    // The tips show while another window has the focus too, such as the window of objects.
    area_.window()->setAttribute(Qt::WA_AlwaysShowToolTips);
}

const Census& BoardObjects::Now()
{
    const Field field = Field::Of(board_);
    if (!counted_ || field != seen_) {
        census_ = CensusOf(field);
        seen_ = field;
        counted_ = true;
    }
    return census_;
}

const Fate& BoardObjects::FateNow()
{
    return foresight_.Of(board_);
}

Description BoardObjects::DescriptionNow()
{
    const Census& census = Now();
    return DescriptionOf(census, FateNow());
}

QString BoardObjects::Words(const Message& message)
{
    return Translated(message, "Census");
}

void BoardObjects::Describe()
{
    QStringList told;
    for (const Message& message : DescriptionNow().Told()) {
        told << Words(message);
    }
    emit Said(told.join(QLatin1Char(' ')));
}

void BoardObjects::Visit(int row, int column, bool backwards)
{
    const Census& census = Now();
    const auto count = static_cast<int>(census.objects.size());
    if (count == 0) {
        emit Said(Words(census.Summary()));
        return;
    }
    // The object the cell is in, or where the cell stands among them.
    const FieldCell at{row, column};
    int here = -1;
    int before = 0; // objects before the cell in reading order
    for (int i = 0; i < count; ++i) {
        const BoardObject& object = census.objects[static_cast<std::size_t>(i)];
        if (object.cells.Live(row, column)) {
            here = i;
        }
        before += object.topLeft < at ? 1 : 0;
    }
    const int next = here >= 0 ? here + (backwards ? -1 : 1) : (backwards ? before - 1 : before);
    const BoardObject& object =
        census.objects[static_cast<std::size_t>((next % count + count) % count)];
    emit CursorRequested(object.first.row, object.first.column);
    emit Said(Words(object.Line()));
}

// A tooltip with the line of the object under the pointer, over its live cells only.
bool BoardObjects::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &area_ || event->type() != QEvent::ToolTip) {
        return false;
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const std::optional<GridCell> cell = CellGeometry::OfPixels(area_.width(), area_.height())
                                             .FieldCellAt(help->pos().x(), help->pos().y());
    if (cell) {
        for (const BoardObject& object : Now().objects) {
            if (object.cells.Live(cell->row, cell->column)) {
                QToolTip::showText(help->globalPos(), Words(object.Line()), &area_);
                return true;
            }
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

} // namespace quarn
