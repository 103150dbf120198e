#pragma once
// Bitmaps for Pelcor's tests, drawn in memory, and timers the tests tick themselves.
#include <QApplication>
#include <functional>

#include "pelcor/bitmap_records.h"
#include "pelcor/window_timer.h"
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

// How a bitmap of the same picture is stored by tools other than the classic layout.
struct BitmapLayout {
    std::uint32_t headerSize = 40;  // 40, 108 or 124; the fields past 40 stay zero
    int bitCount = 8;               // 1, 4 or 8
    bool runLength = false;         // RLE8 for 8 bits, RLE4 for 4 bits
    bool topDown = false;
    int paletteEntries = 256;       // written out and named in the colours-used field
};

namespace test_bitmaps {

// One row as run-length data: runs of equal pixels, stretches of three or more unequal pixels
// as literal pixels padded to a 16-bit word, and the end-of-row mark.
inline void AppendRunLengthRow(Bytes& out, const std::vector<std::uint8_t>& row, bool fourBit) {
    const auto pair = [fourBit](std::uint8_t a, std::uint8_t b) {
        return fourBit ? static_cast<std::uint8_t>(a << 4 | b) : a;
    };
    const std::size_t n = row.size();
    for (std::size_t i = 0; i < n;) {
        std::size_t run = 1;
        while (i + run < n && row[i + run] == row[i] && run < 255) ++run;
        std::size_t literal = 0;
        while (i + literal < n && literal < 254 && (i + literal + 1 >= n || row[i + literal + 1] != row[i + literal]))
            ++literal;
        if (run >= 2 || literal < 3) {
            out.insert(out.end(), {static_cast<std::uint8_t>(run), pair(row[i], row[i])});
            i += run;
            continue;
        }
        out.insert(out.end(), {0, static_cast<std::uint8_t>(literal)});
        const std::size_t start = out.size();
        for (std::size_t k = 0; k < literal; k += fourBit ? 2 : 1)
            out.push_back(fourBit ? pair(row[i + k], k + 1 < literal ? row[i + k + 1] : 0) : row[i + k]);
        if ((out.size() - start) % 2 != 0) out.push_back(0);
        i += literal;
    }
    out.insert(out.end(), {0, 0});
}

}  // namespace test_bitmaps

// The picture of `TestBitmap` stored the way `layout` says, palette entries 0 to
// paletteEntries - 1 only.
inline Bytes EncodedBitmap(int size, const std::function<std::uint8_t(int, int)>& index,
                           const std::function<Rgb(int)>& colour, const BitmapLayout& layout) {
    Bytes pixels;
    for (int stored = 0; stored < size; ++stored) {
        const int row = layout.topDown ? stored : size - 1 - stored;
        std::vector<std::uint8_t> indices;
        for (int column = 0; column < size; ++column) indices.push_back(index(column, row));
        if (layout.runLength) {
            test_bitmaps::AppendRunLengthRow(pixels, indices, layout.bitCount == 4);
            continue;
        }
        Bytes packed((static_cast<std::size_t>(size * layout.bitCount) + 31) / 32 * 4, 0);
        for (int column = 0; column < size; ++column) {
            const int bit = column * layout.bitCount;
            packed[static_cast<std::size_t>(bit / 8)] |=
                static_cast<std::uint8_t>(indices[static_cast<std::size_t>(column)] << (8 - layout.bitCount - bit % 8));
        }
        pixels.insert(pixels.end(), packed.begin(), packed.end());
    }
    if (layout.runLength) pixels.insert(pixels.end(), {0, 1});

    const std::uint32_t pixelOffset = 14 + layout.headerSize + 4 * static_cast<std::uint32_t>(layout.paletteEntries);
    pelcor::BitmapFileHeader file;
    file.fileSize = pixelOffset + static_cast<std::uint32_t>(pixels.size());
    file.pixelOffset = pixelOffset;
    pelcor::BitmapInfoHeader info;
    info.headerSize = layout.headerSize;
    info.width = size;
    info.height = layout.topDown ? -size : size;
    info.bitCount = static_cast<std::uint16_t>(layout.bitCount);
    info.compression = !layout.runLength ? pelcor::kCompressionNone
                                         : layout.bitCount == 4 ? pelcor::kCompressionRle4 : pelcor::kCompressionRle8;
    info.imageSize = static_cast<std::uint32_t>(pixels.size());
    info.colorsUsed = static_cast<std::uint32_t>(layout.paletteEntries);
    const auto fileBytes = file.Encode();
    const auto infoBytes = info.Encode();
    Bytes out(fileBytes.begin(), fileBytes.end());
    out.insert(out.end(), infoBytes.begin(), infoBytes.end());
    out.resize(14 + layout.headerSize, 0);
    for (int i = 0; i < layout.paletteEntries; ++i) {
        const Rgb c = colour(i);
        out.insert(out.end(), {c.blue, c.green, c.red, 0});
    }
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

class ScriptedTimer : public pelcor::WindowTimer {
public:
    void setInterval(int milliseconds) override { interval_ = milliseconds; }
    int interval() const override { return interval_; }
    // One tick, delivered only while the timer runs, as a real timer would.
    void tick() {
        if (interval_ != 0 && onTick) onTick();
    }

private:
    int interval_ = 0;
};

// Hands out scripted timers in creation order: Timer1, Timer2, Timer3.
struct TimerRig {
    std::vector<ScriptedTimer*> made;
    pelcor::TimerFactory factory() {
        return [this] {
            auto timer = std::make_unique<ScriptedTimer>();
            made.push_back(timer.get());
            return timer;
        };
    }
    ScriptedTimer& operator[](int number) { return *made.at(static_cast<std::size_t>(number - 1)); }
};
