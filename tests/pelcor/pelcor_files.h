#pragma once
// Bitmaps for Pelcor's tests, drawn in memory.
#include <QApplication>
#include <functional>

#include "support/scripted_timer.h"
#include "support/temp_files.h"
#include "support/test_application.h"

struct Rgb {
    std::uint8_t red, green, blue;
};

// A 256-colour bitmap: palette entry i is `colour(i)`, pixel (column, row) of the top-first
// picture has index `index(column, row)`.
inline Bytes TestBitmap(int size, const std::function<std::uint8_t(int, int)>& index,
                        const std::function<Rgb(int)>& colour) {
    Bytes out(54, 0);
    auto put32 = [&out](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    out[0] = 'B', out[1] = 'M';
    put32(2, static_cast<std::uint32_t>(1078 + size * size));
    put32(10, 1078);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(size));
    put32(22, static_cast<std::uint32_t>(size));
    out[26] = 1, out[28] = 8;
    put32(46, 256);
    for (int i = 0; i < 256; ++i) {
        const Rgb c = colour(i);
        out.insert(out.end(), {c.blue, c.green, c.red, 0});
    }
    for (int row = size - 1; row >= 0; --row)
        for (int column = 0; column < size; ++column) out.push_back(index(column, row));
    return out;
}

// Every palette entry a different colour: entry i is (i, 255 - i, 3 * i mod 256).
inline Rgb DistinctColour(int i) {
    return {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>((3 * i) & 0xFF)};
}

inline Bytes PlainBitmap(int size, std::uint8_t ground = 1) {
    return TestBitmap(size, [ground](int, int) { return ground; }, DistinctColour);
}
