#pragma once

#include <QColor>

#include <cstdint>

namespace forms {

// Colours as the forms give them: 0x00BBGGRR, red in the low byte. With the top bit set the
// low byte instead names a system colour.
using OleColor = std::uint32_t;

inline constexpr OleColor kSystemColorFlag = 0x80000000U;

QColor ToQColor(OleColor color);

} // namespace forms
