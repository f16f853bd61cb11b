#include "text_lines.h"

#include <cstdio>

namespace quarn {

namespace {

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0U) == 0x80U;
}

// The length of the UTF-8 character that the byte starts, or 0 if it starts none.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xC2U && lead <= 0xDFU) {
        return 2;
    }
    if (lead >= 0xE0U && lead <= 0xEFU) {
        return 3;
    }
    if (lead >= 0xF0U && lead <= 0xF4U) {
        return 4;
    }
    return 0;
}

} // namespace

TextLines::TextLines(std::string_view text)
    : text_(text)
{}

bool TextLines::Next(Line& line)
{
    if (position_ >= text_.size()) {
        return false;
    }
    const std::size_t end = text_.find_first_of("\r\n", position_);
    const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
    line = {++number_, text_.substr(position_, stop - position_)};
    position_ = stop;
    if (position_ < text_.size()) {
        const bool crlf = text_[position_] == '\r' && position_ + 1 < text_.size() &&
                          text_[position_ + 1] == '\n';
        position_ += crlf ? 2 : 1;
    }
    return true;
}

int TextLines::ColumnOf(std::string_view line, std::size_t offset)
{
    int column = 1;
    for (std::size_t i = 0; i < offset && i < line.size(); ++i) {
        if (!IsContinuation(static_cast<unsigned char>(line[i]))) {
            ++column;
        }
    }
    return column;
}

Message TextLines::CharacterAt(std::string_view line, std::size_t offset)
{
    const auto lead = static_cast<unsigned char>(line[offset]);
    if (lead == ' ') {
        return {QUARN_TRANSLATE_NOOP("Pattern", "space")};
    }
    if (lead == '\t') {
        return {QUARN_TRANSLATE_NOOP("Pattern", "tab")};
    }
    const Message quoted{QUARN_TRANSLATE_NOOP("Pattern", "'%1'")};
    if (lead >= 0x21U && lead < 0x7FU) {
        return {quoted.text, {{std::string(1, line[offset])}}};
    }
    const std::size_t length = SequenceLength(lead);
    bool whole = length > 0 && offset + length <= line.size();
    for (std::size_t i = 1; whole && i < length; ++i) {
        whole = IsContinuation(static_cast<unsigned char>(line[offset + i]));
    }
    if (whole) {
        return {quoted.text, {{std::string(line.substr(offset, length))}}};
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", lead);
    return {QUARN_TRANSLATE_NOOP("Pattern", "byte %1"), {{hex}}};
}

} // namespace quarn
