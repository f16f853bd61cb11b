#include "pattern_error.h"

#include <utility>

namespace quarn {

PatternError::PatternError(int line, int column, Message message)
    : std::runtime_error(message.English()),
      line_(line),
      column_(column),
      message_(std::move(message))
{}

int PatternError::Line() const
{
    return line_;
}

int PatternError::Column() const
{
    return column_;
}

const Message& PatternError::What() const
{
    return message_;
}

} // namespace quarn
