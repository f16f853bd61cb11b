#pragma once

#include "board/board.h"

#include <bitset>
#include <cstdint>
#include <stdexcept>

// A deliberately naive B3/S23 model to check the board against: a bitset of the 32 x 32 cells,
// rebuilt whole each generation, with the ring never written.
namespace quarn::testing {

class ReferenceModel
{
public:
    static constexpr int kSide = Board::kFieldSize + 2;
    static constexpr std::size_t kBits = std::size_t{kSide} * kSide;

    bool At(int row, int column) const { return bits_.test(Index(row, column)); }

    void Toggle(int row, int column) { bits_.flip(Index(row, column)); }

    void Fill(bool live)
    {
        for (int r = 1; r <= Board::kFieldSize; ++r) {
            for (int c = 1; c <= Board::kFieldSize; ++c) {
                bits_.set(Index(r, c), live);
            }
        }
    }

    int Neighbours(int row, int column) const
    {
        int live = 0;
        for (int dr = -1; dr <= 1; ++dr) {
            for (int dc = -1; dc <= 1; ++dc) {
                live += (dr != 0 || dc != 0) && At(row + dr, column + dc) ? 1 : 0;
            }
        }
        return live;
    }

    void Step()
    {
        std::bitset<kBits> next = bits_;
        for (int r = 1; r <= Board::kFieldSize; ++r) {
            for (int c = 1; c <= Board::kFieldSize; ++c) {
                const int live = Neighbours(r, c);
                next.set(Index(r, c), live == 3 || (live == 2 && At(r, c)));
            }
        }
        bits_ = next;
        if (count_ < 32767) {
            ++count_;
        }
    }

    std::int16_t Count() const { return count_; }
    void ResetCount() { count_ = 0; }

private:
    static std::size_t Index(int row, int column)
    {
        if (row < 0 || row >= kSide || column < 0 || column >= kSide) {
            throw std::logic_error("reference model index out of range");
        }
        return static_cast<std::size_t>(row) * kSide + static_cast<std::size_t>(column);
    }

    std::bitset<kBits> bits_;
    std::int16_t count_ = 0;
};

} // namespace quarn::testing
