#pragma once

class QString;
class QWidget;

namespace quarn {

// Words about a cell shown in a tip just below its slot, so that the tip leaves the cell in
// sight, over the widget that shows the board.
void ShowCellTip(QWidget& area, int row, int column, const QString& words);

} // namespace quarn
