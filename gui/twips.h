// Window layout is laid out in twips (1/1440 inch). The program draws at 96
// logical pixels to the inch, which makes 15 twips to a pixel; this is the one
// place where the two units meet.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace starwise::gui {

inline constexpr int kTwipsPerPixel = 15;

// Nearest whole pixel (halves away from zero).
constexpr int TwipsToPixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

inline QSize TwipsSize(int width, int height) { return {TwipsToPixels(width), TwipsToPixels(height)}; }

}  // namespace starwise::gui
