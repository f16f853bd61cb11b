#pragma once

#include "pattern.h"
#include "text_lines.h"

#include <string_view>

namespace quarn {

// Reads the plaintext format: "!" comment lines, the first of which customarily names the
// pattern ("!Name: ..."), and a row per line, "." dead and "O" (or "o" or "*") live. Rows may leave
// out their trailing dead cells; an empty line is a row of dead cells.
class PlaintextReader
{
public:
    explicit PlaintextReader(std::string_view text);

    Pattern Read();

private:
    void ReadComment(std::string_view text);
    void ReadRow(const TextLines::Line& line);

    TextLines lines_;
    Pattern pattern_;
    bool commented_ = false;
};

} // namespace quarn
