#include "census/cell_outlook.h"

#include <algorithm>

namespace quarn {

CellOutlook CellOutlook::Of(const Field& field, FieldCell cell)
{
    CellOutlook outlook;
    outlook.live = field.Live(cell.row, cell.column);
    const int top = std::max(cell.row - 1, 1);
    const int bottom = std::min(cell.row + 1, Field::kSide);
    const int left = std::max(cell.column - 1, 1);
    const int right = std::min(cell.column + 1, Field::kSide);
    outlook.onBoard = (bottom - top + 1) * (right - left + 1) - 1;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            const bool self = row == cell.row && column == cell.column;
            outlook.neighbours += !self && field.Live(row, column) ? 1 : 0;
        }
    }
    if (!outlook.live) {
        outlook.becomes = outlook.neighbours == 3 ? Becomes::kBorn : Becomes::kStaysDead;
    } else if (outlook.neighbours < 2) {
        outlook.becomes = Becomes::kDiesAlone;
    } else {
        outlook.becomes = outlook.neighbours > 3 ? Becomes::kDiesCrowded : Becomes::kLivesOn;
    }
    return outlook;
}

NextChanges NextChanges::Of(const Field& field)
{
    const Field next = field.Next();
    return {next.Without(field), field.Without(next)};
}

} // namespace quarn
