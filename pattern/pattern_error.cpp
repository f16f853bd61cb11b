#include "pattern_error.h"

namespace quarn {

PatternError::PatternError(int line, int column, const std::string& message)
    : std::runtime_error(message),
      line_(line),
      column_(column)
{}

int PatternError::Line() const
{
    return line_;
}

int PatternError::Column() const
{
    return column_;
}

} // namespace quarn
