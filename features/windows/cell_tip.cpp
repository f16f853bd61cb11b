#include "features/windows/cell_tip.h"

#include "geometry/cell_geometry.h"

#include <QString>
#include <QToolTip>
#include <QWidget>

namespace quarn {

void ShowCellTip(QWidget& area, int row, int column, const QString& words)
{
    const PixelRect slot =
        CellGeometry::OfPixels(area.width(), area.height()).SlotPixels(row, column);
    QToolTip::showText(area.mapToGlobal(QPoint(slot.left, slot.top + slot.height)), words, &area);
}

} // namespace quarn
