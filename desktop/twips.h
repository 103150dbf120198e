#pragma once
// Layout constants stay in twips (1/1440 inch) as the windows were designed; this is the one
// place where they become screen pixels: 15 twips make one pixel at 96 dots per inch.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace desktop {

inline constexpr int kTwipsPerPixel = 15;

constexpr double TwipsToPixelsExact(double twips) { return twips / kTwipsPerPixel; }

// Rounded to the nearest pixel, halves away from zero.
constexpr int TwipsToPixels(double twips) {
    const double pixels = twips / kTwipsPerPixel;
    return pixels >= 0 ? static_cast<int>(pixels + 0.5) : -static_cast<int>(-pixels + 0.5);
}

constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

inline QSize TwipsSize(int width, int height) { return QSize(TwipsToPixels(width), TwipsToPixels(height)); }

inline QPoint TwipsPoint(int x, int y) { return QPoint(TwipsToPixels(x), TwipsToPixels(y)); }

}  // namespace desktop
