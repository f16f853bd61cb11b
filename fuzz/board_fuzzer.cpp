// Runs a sequence of board operations decoded from the input on the board and on a naive model
// side by side. A difference, an exception of the wrong type, or a refused call that changed
// the board aborts the run, which libFuzzer reports as a crash.

#include "board/board.h"
#include "support/reference_model.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace {

using quarn::Board;
using quarn::testing::ReferenceModel;

class Input
{
public:
    Input(const std::uint8_t* data, std::size_t size)
        : data_(data),
          size_(size)
    {}

    bool Empty() const { return position_ >= size_; }

    std::uint8_t Byte() { return Empty() ? 0 : data_[position_++]; }

    std::uint8_t Peek(std::size_t ahead) const
    {
        return position_ + ahead < size_ ? data_[position_ + ahead] : 0;
    }

    // Mostly indices near the board (-4..35), sometimes any 16-bit value.
    std::int16_t Index()
    {
        const std::uint8_t first = Byte();
        if ((first & 0x80U) == 0) {
            return static_cast<std::int16_t>(first % 40 - 4);
        }
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(first << 8U | Byte()));
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// Random draws come from the input too, so that the model can predict a random fill. Byte 255
// stands for the troublesome 1.0 some generators return.
class InputSource final : public quarn::RandomSource
{
public:
    explicit InputSource(Input& input)
        : input_(input)
    {}
    void ReseedFromClock() override {}
    double Next() override { return Draw(input_.Byte()); }

    static double Draw(std::uint8_t byte) { return byte == 255 ? 1.0 : byte / 255.0; }

private:
    Input& input_;
};

[[noreturn]] void Fail(const char* what, int operation)
{
    std::fprintf(stderr, "board_fuzzer: %s at operation %d\n", what, operation);
    std::abort();
}

bool InCells(std::int16_t i)
{
    return i >= 0 && i <= 31;
}

bool Same(const Board& board, const ReferenceModel& model)
{
    for (std::int16_t r = 0; r <= 31; ++r) {
        for (std::int16_t c = 0; c <= 31; ++c) {
            if ((board.CellAt(r, c) != 0) != model.At(r, c) || board.CellAt(r, c) > 1) {
                return false;
            }
        }
    }
    return board.StepCount() == model.Count();
}

// Calls op, which must throw exactly Expected when refuse is true and nothing otherwise.
template <typename Expected, typename Op> void Expect(bool refuse, int operation, Op op)
{
    try {
        op();
    } catch (const Expected&) {
        if (!refuse) {
            Fail("a valid call was refused", operation);
        }
        return;
    }
    if (refuse) {
        Fail("an invalid call was accepted", operation);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input input(data, size);
    Board board(std::make_unique<InputSource>(input));
    ReferenceModel model;

    for (int operation = 0; !input.Empty() && operation < 256; ++operation) {
        switch (input.Byte() % 7) {
        case 0: {
            const std::int16_t r = input.Index();
            const std::int16_t c = input.Index();
            const bool valid = InCells(r) && InCells(c);
            Expect<std::out_of_range>(!valid, operation, [&] { board.ToggleCell(r, c); });
            if (valid) {
                model.Toggle(r, c);
            }
            break;
        }
        case 1: {
            const auto value =
                static_cast<std::int16_t>(static_cast<std::int8_t>(input.Byte()) / 32);
            const bool valid = value == 0 || value == 1;
            Expect<std::invalid_argument>(!valid, operation, [&] { board.FillAll(value); });
            if (valid) {
                model.Fill(value == 1);
            }
            break;
        }
        case 2:
            board.Step();
            model.Step();
            break;
        case 3:
            board.ResetCount();
            model.ResetCount();
            break;
        case 4: {
            const std::int16_t r = input.Index();
            const std::int16_t c = input.Index();
            const bool valid = InCells(r) && InCells(c);
            Expect<std::out_of_range>(!valid, operation, [&] {
                if ((board.CellAt(r, c) != 0) != model.At(r, c)) {
                    Fail("CellAt differs from the model", operation);
                }
            });
            break;
        }
        case 5: {
            const std::int16_t r = input.Index();
            const std::int16_t c = input.Index();
            const bool valid = Board::InField(r, c);
            std::int16_t n = -1;
            Expect<std::out_of_range>(!valid, operation, [&] { board.CountNeighbours(r, c, n); });
            if (valid && n != model.Neighbours(r, c)) {
                Fail("CountNeighbours differs from the model", operation);
            }
            break;
        }
        default: {
            // The model reads ahead the values the board is about to draw, one per field cell in
            // row-major order, and keeps the integer part of 2r, at most 1.
            std::size_t draw = 0;
            for (int r = 1; r <= Board::kFieldSize; ++r) {
                for (int c = 1; c <= Board::kFieldSize; ++c) {
                    const double value = InputSource::Draw(input.Peek(draw++));
                    const bool live = std::min(1, static_cast<int>(2 * value)) == 1;
                    if (live != model.At(r, c)) {
                        model.Toggle(r, c);
                    }
                }
            }
            board.FillRandom();
            break;
        }
        }
        if (!Same(board, model)) {
            Fail("the board differs from the model", operation);
        }
    }
    return 0;
}
