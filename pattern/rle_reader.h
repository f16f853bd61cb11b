#pragma once

#include "pattern.h"
#include "text_lines.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quarn {

// Reads the run-length encoded format: "#" comment lines, the header "x = W, y = H" with an
// optional ", rule = R", then items "[count]tag" up to "!", where b (or .) is a dead cell, o
// (or x, y, z, A) a live one and $ the end of a row. A text without the header is taken too,
// its box being what its live cells span.
class RleReader
{
public:
    explicit RleReader(std::string_view text);

    Pattern Read();

private:
    [[noreturn]] void Fail(std::size_t offset, Message message) const;
    void ReadComment();
    void ReadHeader();
    std::size_t SkipBlanks(std::size_t at) const;
    std::size_t Expect(std::size_t at, char wanted, const char* what) const;
    std::size_t ReadSize(std::size_t at, int& size) const;
    void CheckRule(std::size_t at) const;
    // One line of the body; true once "!" ends the pattern.
    bool ReadItems();
    void TakeLive(std::int64_t count, std::size_t at);
    void Advance(std::int64_t& position, std::int64_t count, std::size_t at) const;

    TextLines lines_;
    TextLines::Line line_;
    Pattern pattern_;
    std::int64_t row_ = 0;
    std::int64_t column_ = 0;
    bool sized_ = true; // by a header, which the cells must then keep to
    std::int64_t extentWidth_ = 0;
    std::int64_t extentHeight_ = 0;
};

} // namespace quarn
