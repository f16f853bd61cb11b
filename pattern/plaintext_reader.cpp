#include "plaintext_reader.h"

#include "pattern_error.h"

#include <string>

namespace quarn {

PlaintextReader::PlaintextReader(std::string_view text)
    : lines_(text)
{}

Pattern PlaintextReader::Read()
{
    TextLines::Line line;
    while (lines_.Next(line)) {
        if (line.text.starts_with('!')) {
            ReadComment(line.text);
        } else {
            ReadRow(line);
        }
    }
    return std::move(pattern_);
}

void PlaintextReader::ReadComment(std::string_view text)
{
    constexpr std::string_view kName = "!Name:";
    if (!commented_ && text.starts_with(kName)) {
        const std::size_t start = text.find_first_not_of(" \t", kName.size());
        if (start != std::string_view::npos) {
            pattern_.name =
                std::string(text.substr(start, text.find_last_not_of(" \t") + 1 - start));
        }
    }
    commented_ = true;
}

void PlaintextReader::ReadRow(const TextLines::Line& line)
{
    // Trailing blanks are forgiven: mail and editors add them without anyone seeing.
    const std::size_t end = line.text.find_last_not_of(" \t") + 1;
    const int row = pattern_.height;
    for (std::size_t at = 0; at < end; ++at) {
        const char c = line.text[at];
        if (c == 'O' || c == 'o' || c == '*') {
            pattern_.AddLive(row, static_cast<int>(at), 1);
        } else if (c != '.') {
            throw PatternError(
                line.number, TextLines::ColumnOf(line.text, at),
                {QUARN_TRANSLATE_NOOP(
                     "Pattern",
                     "Unexpected %1 in a row: \".\" is a dead cell and \"O\" a live one."),
                 {TextLines::CharacterAt(line.text, at)}});
        }
    }
    pattern_.width = std::max(pattern_.width, static_cast<int>(end));
    ++pattern_.height;
}

} // namespace quarn
