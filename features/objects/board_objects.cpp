#include "features/objects/board_objects.h"

#include "features/windows/cell_tip.h"
#include "geometry/cell_geometry.h"
#include "translations/translations.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

#include <optional>

namespace quarn {

BoardObjects::BoardObjects(QWidget& area, const Board& board, const RunModel& run)
    : QObject(&area),
      area_(area),
      board_(board),
      run_(run)
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

const Fate& BoardObjects::FateNow() const
{
    return run_.Foreseen();
}

Description BoardObjects::DescriptionNow()
{
    const Census& census = Now();
    return DescriptionOf(census, FateNow(), board_.StepCount());
}

const RunRecord& BoardObjects::Record() const
{
    return run_.Record();
}

QWidget& BoardObjects::Area() const
{
    return area_;
}

QString BoardObjects::Words(const Message& message)
{
    return Translated(message, "Census");
}

void BoardObjects::Describe(int row, int column, const QString& last)
{
    QStringList told;
    for (const Message& message : DescriptionNow().Told()) {
        told << Words(message);
    }
    if (trail_) {
        // The cells alive now, or at any step since the reset.
        told << tr("Life has reached %n of %1 cells.", nullptr, run_.Record().Trail().Count())
                    .arg(Field::kSide * Field::kSide);
    }
    if (!last.isEmpty()) {
        told << last;
    }
    Tell(told.join(QLatin1Char(' ')), row, column);
}

void BoardObjects::ShowTrail(bool shown)
{
    trail_ = shown;
}

void BoardObjects::Visit(int row, int column, bool backwards)
{
    const Census& census = Now();
    const auto count = static_cast<int>(census.objects.size());
    if (count == 0) {
        Tell(Words(census.Summary()), row, column);
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
    const FieldCell cursor = object.first;
    emit CursorRequested(cursor.row, cursor.column);
    emit Visited(cursor.row, cursor.column);
    Tell(Words(object.Line()) + QLatin1Char(' ') +
             tr("Cursor on row %1, column %2.").arg(cursor.row).arg(cursor.column),
         cursor.row, cursor.column);
}

void BoardObjects::Tell(const QString& words, int row, int column)
{
    emit Said(words);
    ShowCellTip(area_, row, column, words);
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
