#pragma once

#include "message.h"

#include <stdexcept>
#include <string>

namespace quarn {

// Why a text is not a pattern this board can take, and where. Lines and columns count from 1;
// both are 0 when the fault lies with the pattern as a whole rather than with one place in it.
class PatternError : public std::runtime_error
{
public:
    PatternError(int line, int column, Message message);

    int Line() const;
    int Column() const;
    // What what() says in English, to be said in another language.
    const Message& What() const;

private:
    int line_;
    int column_;
    Message message_;
};

} // namespace quarn
