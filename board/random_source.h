#pragma once

namespace quarn {

// The two operations a random fill needs: start a fresh sequence from the clock, and draw the
// next value. Implementations promise values in [0, 1); the board copes with ones that do not.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    virtual void ReseedFromClock() = 0;
    virtual double Next() = 0;

protected:
    RandomSource() = default;
    RandomSource(const RandomSource&) = default;
    RandomSource& operator=(const RandomSource&) = default;
    RandomSource(RandomSource&&) = default;
    RandomSource& operator=(RandomSource&&) = default;
};

} // namespace quarn
