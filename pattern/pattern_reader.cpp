#include "pattern_reader.h"

#include "pattern_error.h"
#include "plaintext_reader.h"
#include "rle_reader.h"
#include "text_lines.h"

#include <string>

namespace quarn {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

bool IsRleBodyLine(std::string_view line)
{
    return line.find_first_not_of("0123456789bo$! \t") == std::string_view::npos &&
           line.find_first_of("0123456789b$!") != std::string_view::npos;
}

// RLE starts with comment lines ("#N", "#C", ...), with its header ("x = ...", in either case),
// or, in files that leave the header out, with a line of cells that only RLE writes ("bo$2bo").
// Anything else is taken for plaintext, whose reader then says what in it is wrong.
bool LooksLikeRle(std::string_view text)
{
    TextLines lines(text);
    TextLines::Line line;
    while (lines.Next(line)) {
        if (IsBlank(line.text)) {
            continue;
        }
        const std::size_t start = line.text.find_first_not_of(" \t");
        const std::string_view rest = line.text.substr(start);
        if (rest.starts_with('#')) {
            return true;
        }
        if (rest.starts_with('!')) {
            continue; // a plaintext comment
        }
        const std::size_t afterX = rest.find_first_not_of(" \t", 1);
        const bool header = (rest.starts_with('x') || rest.starts_with('X')) &&
                            afterX != std::string_view::npos && rest[afterX] == '=';
        return header || IsRleBodyLine(rest);
    }
    return false;
}

void RequireText(std::string_view text)
{
    if (text.size() > kMaxPatternText) {
        throw PatternError(
            0, 0,
            {QUARN_TRANSLATE_NOOP("Pattern", "The text is larger than 1 MiB, far more than "
                                             "any pattern for this board needs.")});
    }
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) {
        TextLines lines(text);
        TextLines::Line line;
        std::size_t start = 0;
        while (lines.Next(line)) {
            start = static_cast<std::size_t>(line.text.data() - text.data());
            if (nul < start + line.text.size()) {
                break;
            }
        }
        throw PatternError(
            line.number, TextLines::ColumnOf(line.text, nul - start),
            {QUARN_TRANSLATE_NOOP("Pattern",
                                  "The text holds a NUL byte: it is binary data, not a pattern.")});
    }
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        throw PatternError(0, 0, {QUARN_TRANSLATE_NOOP("Pattern", "The text is empty.")});
    }
}

} // namespace

Pattern ReadPattern(std::string_view text)
{
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    RequireText(text);
    if (LooksLikeRle(text)) {
        return RleReader(text).Read();
    }
    return PlaintextReader(text).Read();
}

} // namespace quarn
