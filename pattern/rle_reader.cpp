#include "rle_reader.h"

#include "pattern_error.h"
#include "rule.h"

#include <cctype>
#include <limits>

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
    // Comment lines and blank lines, then the header.
    for (;;) {
        if (!lines_.Next(line_)) {
            throw PatternError(lines_.NextNumber(), 1,
                               "The pattern has no header line \"x = width, y = height\".");
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
    ReadHeader();
    while (lines_.Next(line_)) {
        if (ReadItems()) {
            break;
        }
    }
    return std::move(pattern_);
}

[[noreturn]] void RleReader::Fail(std::size_t offset, const std::string& message) const
{
    throw PatternError(line_.number, TextLines::ColumnOf(line_.text, offset), message);
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
    std::size_t at = Expect(SkipBlanks(0), 'x', "The header should start \"x = width\"");
    at = Expect(SkipBlanks(at), '=', "The header should start \"x = width\"");
    at = ReadSize(SkipBlanks(at), pattern_.width);
    at = Expect(SkipBlanks(at), ',', "A comma should follow the width");
    at = Expect(SkipBlanks(at), 'y', "The height should follow as \"y = height\"");
    at = Expect(SkipBlanks(at), '=', "The height should follow as \"y = height\"");
    at = ReadSize(SkipBlanks(at), pattern_.height);
    at = SkipBlanks(at);
    if (at == line_.text.size()) {
        return;
    }
    at = Expect(at, ',', "Only \", rule = ...\" may follow the height");
    at = SkipBlanks(at);
    std::size_t word = at;
    for (const char letter : std::string_view("rule")) {
        if (word >= line_.text.size() ||
            std::tolower(static_cast<unsigned char>(line_.text[word])) != letter) {
            Fail(at, "Only \", rule = ...\" may follow the height.");
        }
        ++word;
    }
    at = Expect(SkipBlanks(word), '=', "The rule should follow as \"rule = ...\"");
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
        Fail(at, std::string(what) + ", but the line ends.");
    }
    if (line_.text[at] != wanted) {
        Fail(at, std::string(what) + "; found " + TextLines::CharacterAt(line_.text, at) + ".");
    }
    return at + 1;
}

std::size_t RleReader::ReadSize(std::size_t at, int& size) const
{
    if (at >= line_.text.size() || !IsDigit(line_.text[at])) {
        Fail(at, "A number should come here.");
    }
    std::int64_t value = 0;
    const std::size_t start = at;
    for (; at < line_.text.size() && IsDigit(line_.text[at]); ++at) {
        value = value * 10 + (line_.text[at] - '0');
        if (value > kLargest) {
            Fail(start, "The number is too large.");
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
        Fail(at, "The rule is missing after \"rule =\".");
    }
    if (!IsBoardRule(rule)) {
        Fail(at,
             "This pattern is for the rule " + std::string(rule) + "; the board runs B3/S23 only.");
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
                    Fail(start, "The count is too large.");
                }
            }
            if (count == 0) {
                Fail(start, "A count of 0 repeats nothing; counts start at 1.");
            }
            if (at == text.size() || IsBlank(text[at])) {
                Fail(at, "The count should be followed at once by b, o or $.");
            }
        }
        switch (TagOf(text[at])) {
        case Tag::Dead:
            Advance(column_, count, start);
            break;
        case Tag::Live:
            if (row_ >= pattern_.height) {
                Fail(start, "Live cells below the height of " + std::to_string(pattern_.height) +
                                " rows that the header gives.");
            }
            if (column_ + count > pattern_.width) {
                Fail(start, "Live cells past the width of " + std::to_string(pattern_.width) +
                                " columns that the header gives.");
            }
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
                Fail(start, "A count cannot stand before \"!\".");
            }
            return true;
        case Tag::Other:
            Fail(at, "Unexpected " + TextLines::CharacterAt(text, at) +
                         " in the cells: \"b\" and \"o\" are cells, \"$\" ends a row and \"!\" "
                         "the pattern.");
        }
    }
    return false;
}

void RleReader::Advance(std::int64_t& position, std::int64_t count, std::size_t at) const
{
    if (position + count > kLargest) {
        Fail(at, "The count takes the pattern past any size it could have.");
    }
    position += count;
}

} // namespace quarn
