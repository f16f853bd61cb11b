#include "rle_reader.h"

#include "pattern_error.h"
#include "rule.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <utility>

namespace quarn {

namespace {

constexpr std::int64_t kLargest = std::numeric_limits<int>::max();

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

enum class Tag
{
    Dead,
    Live,
    RowEnd,
    End,
    Other
};

Tag TagOf(char c)
{
    switch (c) {
    case 'b':
    case '.':
        return Tag::Dead;
    case 'o':
    case 'x':
    case 'y':
    case 'z':
    case 'A':
        return Tag::Live;
    case '$':
        return Tag::RowEnd;
    case '!':
        return Tag::End;
    default:
        return Tag::Other;
    }
}

} // namespace

RleReader::RleReader(std::string_view text)
    : lines_(text)
{}

Pattern RleReader::Read()
{
    // Comment lines and blank lines, then the header; a text that ends first has no line where
    // the header went wrong.
    for (;;) {
        if (!lines_.Next(line_)) {
            throw PatternError(
                0, 0,
                {QUARN_TRANSLATE_NOOP(
                    "Pattern", "The pattern has no header line \"x = width, y = height\".")});
        }
        const std::size_t start = SkipBlanks(0);
        if (start == line_.text.size()) {
            continue;
        }
        if (line_.text[start] != '#') {
            break;
        }
        ReadComment();
    }
    const char first = line_.text[SkipBlanks(0)];
    sized_ = first == 'x' || first == 'X';
    // Without a header the cells start on this line, and the box is what they span.
    bool ended = false;
    if (sized_) {
        ReadHeader();
    } else {
        ended = ReadItems();
    }
    while (!ended && lines_.Next(line_)) {
        if (ReadItems()) {
            break;
        }
    }
    if (!sized_) {
        pattern_.width = static_cast<int>(extentWidth_);
        pattern_.height = static_cast<int>(extentHeight_);
    }
    return std::move(pattern_);
}

[[noreturn]] void RleReader::Fail(std::size_t offset, Message message) const
{
    throw PatternError(line_.number, TextLines::ColumnOf(line_.text, offset), std::move(message));
}

// "#N" names the pattern; the other comments ("#O" author, "#C" and "#c" remarks, "#P" and
// "#R" position, "#r" rule) say nothing the board can use.
void RleReader::ReadComment()
{
    const std::string_view text = line_.text.substr(SkipBlanks(0));
    if (text.starts_with("#N") && pattern_.name.empty()) {
        const std::size_t start = text.find_first_not_of(" \t", 2);
        if (start != std::string_view::npos) {
            pattern_.name =
                std::string(text.substr(start, text.find_last_not_of(" \t") + 1 - start));
        }
    }
}

void RleReader::ReadHeader()
{
    const char* const start =
        QUARN_TRANSLATE_NOOP("Pattern", "The header should start \"x = width\"");
    const char* const height =
        QUARN_TRANSLATE_NOOP("Pattern", "The height should follow as \"y = height\"");
    std::size_t at = Expect(SkipBlanks(0), 'x', start);
    at = Expect(SkipBlanks(at), '=', start);
    at = ReadSize(SkipBlanks(at), pattern_.width);
    at = Expect(SkipBlanks(at), ',',
                QUARN_TRANSLATE_NOOP("Pattern", "A comma should follow the width"));
    at = Expect(SkipBlanks(at), 'y', height);
    at = Expect(SkipBlanks(at), '=', height);
    at = ReadSize(SkipBlanks(at), pattern_.height);
    at = SkipBlanks(at);
    if (at == line_.text.size()) {
        return;
    }
    at = Expect(at, ',',
                QUARN_TRANSLATE_NOOP("Pattern", "Only \", rule = ...\" may follow the height"));
    at = SkipBlanks(at);
    std::size_t word = at;
    for (const char letter : std::string_view("rule")) {
        if (word >= line_.text.size() ||
            std::tolower(static_cast<unsigned char>(line_.text[word])) != letter) {
            Fail(at,
                 {QUARN_TRANSLATE_NOOP("Pattern", "Only \", rule = ...\" may follow the height.")});
        }
        ++word;
    }
    at = Expect(SkipBlanks(word), '=',
                QUARN_TRANSLATE_NOOP("Pattern", "The rule should follow as \"rule = ...\""));
    CheckRule(SkipBlanks(at));
}

std::size_t RleReader::SkipBlanks(std::size_t at) const
{
    while (at < line_.text.size() && IsBlank(line_.text[at])) {
        ++at;
    }
    return at;
}

std::size_t RleReader::Expect(std::size_t at, char wanted, const char* what) const
{
    if (at >= line_.text.size()) {
        Fail(at, {QUARN_TRANSLATE_NOOP("Pattern", "%1, but the line ends."), {{what}}});
    }
    // Letters in either case: files in the wild write "X = 3, Y = 3" too.
    if (std::tolower(static_cast<unsigned char>(line_.text[at])) != wanted) {
        Fail(at, {QUARN_TRANSLATE_NOOP("Pattern", "%1; found %2."),
                  {{what}, TextLines::CharacterAt(line_.text, at)}});
    }
    return at + 1;
}

std::size_t RleReader::ReadSize(std::size_t at, int& size) const
{
    if (at >= line_.text.size() || !IsDigit(line_.text[at])) {
        Fail(at, {QUARN_TRANSLATE_NOOP("Pattern", "A number should come here.")});
    }
    std::int64_t value = 0;
    const std::size_t start = at;
    for (; at < line_.text.size() && IsDigit(line_.text[at]); ++at) {
        value = value * 10 + (line_.text[at] - '0');
        if (value > kLargest) {
            Fail(start, {QUARN_TRANSLATE_NOOP("Pattern", "The number is too large.")});
        }
    }
    size = static_cast<int>(value);
    return at;
}

void RleReader::CheckRule(std::size_t at) const
{
    const std::size_t end = line_.text.find_last_not_of(" \t") + 1;
    const std::string_view rule = at < end ? line_.text.substr(at, end - at) : std::string_view();
    if (rule.empty()) {
        Fail(at, {QUARN_TRANSLATE_NOOP("Pattern", "The rule is missing after \"rule =\".")});
    }
    if (!IsBoardRule(rule)) {
        Fail(at, {QUARN_TRANSLATE_NOOP(
                      "Pattern", "This pattern is for the rule %1; the board runs B3/S23 only."),
                  {{std::string(rule)}}});
    }
}

bool RleReader::ReadItems()
{
    const std::string_view text = line_.text;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (IsBlank(text[at])) {
            continue;
        }
        const std::size_t start = at;
        std::int64_t count = 1;
        if (IsDigit(text[at])) {
            count = 0;
            for (; at < text.size() && IsDigit(text[at]); ++at) {
                count = count * 10 + (text[at] - '0');
                if (count > kLargest) {
                    Fail(start, {QUARN_TRANSLATE_NOOP("Pattern", "The count is too large.")});
                }
            }
            if (count == 0) {
                Fail(start, {QUARN_TRANSLATE_NOOP(
                                "Pattern", "A count of 0 repeats nothing; counts start at 1.")});
            }
            if (at == text.size() || IsBlank(text[at])) {
                Fail(at, {QUARN_TRANSLATE_NOOP(
                             "Pattern", "The count should be followed at once by b, o or $.")});
            }
        }
        switch (TagOf(text[at])) {
        case Tag::Dead:
            Advance(column_, count, start);
            break;
        case Tag::Live:
            TakeLive(count, start);
            pattern_.AddLive(static_cast<int>(row_), static_cast<int>(column_),
                             static_cast<int>(count));
            column_ += count;
            break;
        case Tag::RowEnd:
            Advance(row_, count, start);
            column_ = 0;
            break;
        case Tag::End:
            if (start != at) {
                Fail(start,
                     {QUARN_TRANSLATE_NOOP("Pattern", "A count cannot stand before \"!\".")});
            }
            return true;
        case Tag::Other:
            Fail(at,
                 {QUARN_TRANSLATE_NOOP("Pattern", "Unexpected %1 in the cells: \"b\" and \"o\" are "
                                                  "cells, \"$\" ends a row and \"!\" the pattern."),
                  {TextLines::CharacterAt(text, at)}});
        }
    }
    return false;
}

// Live cells must lie in the box the header gives; without a header, the box grows to hold them.
void RleReader::TakeLive(std::int64_t count, std::size_t at)
{
    if (!sized_) {
        std::int64_t end = column_;
        Advance(end, count, at);
        extentWidth_ = std::max(extentWidth_, end);
        extentHeight_ = row_ + 1;
        return;
    }
    if (row_ >= pattern_.height) {
        Fail(at, {QUARN_TRANSLATE_NOOP(
                      "Pattern", "Live cells below the height of %1 rows that the header gives."),
                  {Message::Number(pattern_.height)}});
    }
    if (column_ + count > pattern_.width) {
        Fail(at, {QUARN_TRANSLATE_NOOP(
                      "Pattern", "Live cells past the width of %1 columns that the header gives."),
                  {Message::Number(pattern_.width)}});
    }
}

void RleReader::Advance(std::int64_t& position, std::int64_t count, std::size_t at) const
{
    if (position + count > kLargest) {
        Fail(at, {QUARN_TRANSLATE_NOOP(
                     "Pattern", "The count takes the pattern past any size it could have.")});
    }
    position += count;
}

} // namespace quarn
