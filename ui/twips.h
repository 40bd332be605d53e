#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quabbel::ui {

// The windows are laid out in twips, 1/1440 inch. They become device-independent pixels at 15
// twips each (96 pixels per inch), so Qt's high-DPI scaling keeps the layout on any screen.
inline constexpr int twips_per_pixel = 15;

// The nearest whole pixel; every measure of the layout is a whole number of pixels anyway.
constexpr int pixels(int twips) {
    const int half = twips_per_pixel / 2;
    return (twips >= 0 ? twips + half : twips - half) / twips_per_pixel;
}

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

constexpr QPoint pixel_point(int left, int top) {
    return {pixels(left), pixels(top)};
}

constexpr QRect pixel_rect(TwipsRect rect) {
    return {pixels(rect.left), pixels(rect.top), pixels(rect.width), pixels(rect.height)};
}

} // namespace quabbel::ui
