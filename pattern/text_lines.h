#pragma once

#include "message.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quarn {

// Goes through a text a line at a time, whether its lines end in LF, CRLF or CR, and says where
// a byte is as a person counts: lines and characters from 1.
class TextLines
{
public:
    struct Line
    {
        int number = 0;
        std::string_view text; // without its line end
    };

    explicit TextLines(std::string_view text);

    // The next line, or false at the end. A line end at the very end starts no further line.
    bool Next(Line& line);

    // The column of the byte at offset, counting characters rather than bytes.
    static int ColumnOf(std::string_view line, std::size_t offset);

    // The character at offset as a message shows it: 'q', or the byte in hex where it does not
    // start a whole UTF-8 character.
    static Message CharacterAt(std::string_view line, std::size_t offset);

private:
    std::string_view text_;
    std::size_t position_ = 0;
    int number_ = 0;
};

} // namespace quarn
