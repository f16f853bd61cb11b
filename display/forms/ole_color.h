#pragma once

#include <QRgb>

#include <cstdint>

namespace quarn::forms {

// Colours as the forms give them: 0x00BBGGRR, red in the low byte.
using OleColor = std::uint32_t;

constexpr QRgb ToRgb(OleColor color)
{
    return qRgb(static_cast<int>(color & 0xFFU), static_cast<int>((color >> 8U) & 0xFFU),
                static_cast<int>((color >> 16U) & 0xFFU));
}

// From 0xRRGGBB.
constexpr OleColor FromRgb(std::uint32_t rgb)
{
    return ((rgb & 0xFFU) << 16U) | (rgb & 0xFF00U) | ((rgb >> 16U) & 0xFFU);
}

} // namespace quarn::forms
