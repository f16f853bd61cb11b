#include "census/foresight.h"

namespace quarn {

const Fate& Foresight::Of(const Board& board)
{
    const Field field = Field::Of(board);
    const int step = board.StepCount();
    const int ran = step - foreseenStep_;
    Field foreseen = foreseen_;
    for (int i = 0; i < ran && ran <= kRunOn; ++i) {
        foreseen = foreseen.Next();
    }
    if (foreseenStep_ < 0 || ran < 0 || ran > kRunOn || field != foreseen) {
        fate_ = FateOf(board);
    }
    foreseen_ = field;
    foreseenStep_ = step;
    return fate_;
}

} // namespace quarn
