#pragma once
// Bitmaps for Pelcor's tests, drawn in memory.
#include <QApplication>
#include <functional>

#include "support/file_encoder.h"
#include "support/scripted_timer.h"
#include "support/temp_files.h"
#include "support/test_application.h"

// Every palette entry a different colour: entry i is (i, 255 - i, 3 * i mod 256).
inline Rgb DistinctColour(int i) {
    return {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>((3 * i) & 0xFF)};
}

inline Bytes PlainBitmap(int size, std::uint8_t ground = 1) {
    return TestBitmap(size, [ground](int, int) { return ground; }, DistinctColour);
}
