#pragma once

#include <QRect>
#include <QSize>

// Screen layouts are designed in twips: 15 twips make one pixel at 96 dpi.
namespace Twips {
constexpr int px(int twips) { return (twips + 7) / 15; }
constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}
constexpr QSize size(int width, int height) { return QSize(px(width), px(height)); }
}
