#pragma once

#include <QColor>

#include <cstdint>

// A colour as the forms and the theme give it: 32 bits, alpha in the top byte, then red, green
// and blue (AARRGGBB). 0 is the "null" colour: nothing is drawn.
using TAlphaColor = std::uint32_t;

namespace TAlphaColors {
constexpr TAlphaColor Null = 0x00000000;
constexpr TAlphaColor Black = 0xFF000000;
constexpr TAlphaColor White = 0xFFFFFFFF;
constexpr TAlphaColor Red = 0xFFFF0000;
constexpr TAlphaColor Blue = 0xFF0000FF;
constexpr TAlphaColor Green = 0xFF008000;
constexpr TAlphaColor Yellow = 0xFFFFFF00;
constexpr TAlphaColor Olive = 0xFF808000;
constexpr TAlphaColor Orange = 0xFFFFA500;
constexpr TAlphaColor Purple = 0xFF800080;
constexpr TAlphaColor Slategray = 0xFF708090;
constexpr TAlphaColor Firebrick = 0xFFB22222;
constexpr TAlphaColor Silver = 0xFFC0C0C0;
constexpr TAlphaColor Gold = 0xFFFFD700;
} // namespace TAlphaColors

inline QColor ToQColor(TAlphaColor color)
{
    return QColor::fromRgba(color);
}

inline TAlphaColor ToAlphaColor(const QColor &color)
{
    return color.rgba();
}
