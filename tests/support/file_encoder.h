#pragma once
// The tests' own encoder of icons, cursors, bitmaps and animated cursors, written from the file
// formats byte by byte and never from the program's records: the independent oracle the
// program's output is compared with.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "support/temp_files.h"

// Little-endian bytes appended field by field.
struct ExpectedBytes {
    Bytes bytes;
    ExpectedBytes& text(const std::string& t) {
        bytes.insert(bytes.end(), t.begin(), t.end());
        return *this;
    }
    ExpectedBytes& u8(std::uint8_t v) {
        bytes.push_back(v);
        return *this;
    }
    ExpectedBytes& u16(std::uint16_t v) { return u8(static_cast<std::uint8_t>(v)).u8(static_cast<std::uint8_t>(v >> 8)); }
    ExpectedBytes& u32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    ExpectedBytes& raw(const Bytes& b) {
        bytes.insert(bytes.end(), b.begin(), b.end());
        return *this;
    }
    ExpectedBytes& fill(std::size_t count, std::uint8_t value) {
        bytes.insert(bytes.end(), count, value);
        return *this;
    }
};

// Bytes in one stored row of `bits` bits: whole 32-bit words.
inline std::size_t TestRowBytes(std::size_t bits) { return 4 * ((bits + 31) / 32); }

// A 256-colour icon (or cursor, type 2) of the given size with `imageCount` identical directory
// entries and one image: palette entry i is (blue i, 0, 0), every pixel and mask byte is 7.
inline Bytes TestIcon(int width, int height, int type = 1, int imageCount = 1) {
    const auto w = static_cast<std::size_t>(width), h = static_cast<std::size_t>(height);
    const std::size_t masks = h * TestRowBytes(8 * w) + h * TestRowBytes(w);
    ExpectedBytes e;
    e.u16(0).u16(static_cast<std::uint16_t>(type)).u16(static_cast<std::uint16_t>(imageCount));
    for (int i = 0; i < imageCount; ++i)
        e.u8(static_cast<std::uint8_t>(width)).u8(static_cast<std::uint8_t>(height)).u8(0).u8(0).u16(1).u16(8)
            .u32(static_cast<std::uint32_t>(40 + 1024 + masks)).u32(static_cast<std::uint32_t>(6 + 16 * imageCount));
    e.u32(40).u32(static_cast<std::uint32_t>(width)).u32(static_cast<std::uint32_t>(2 * height)).u16(1).u16(8);
    e.u32(0).u32(0).u32(0).u32(0).u32(0).u32(0);
    for (int i = 0; i < 256; ++i) e.u8(static_cast<std::uint8_t>(i)).u8(0).u8(0).u8(0);
    return e.fill(masks, 7).bytes;
}

struct Rgb {
    std::uint8_t red, green, blue;
};

// A 256-colour bitmap: palette entry i is `colour(i)`, pixel (column, row) of the top-first
// picture has index `index(column, row)`.
inline Bytes TestBitmap(int size, const std::function<std::uint8_t(int, int)>& index,
                        const std::function<Rgb(int)>& colour) {
    const auto pixels = static_cast<std::uint32_t>(size * size);
    ExpectedBytes e;
    e.text("BM").u32(1078 + pixels).u32(0).u32(1078);
    e.u32(40).u32(static_cast<std::uint32_t>(size)).u32(static_cast<std::uint32_t>(size)).u16(1).u16(8);
    e.u32(0).u32(0).u32(0).u32(0).u32(256).u32(0);
    for (int i = 0; i < 256; ++i) {
        const Rgb c = colour(i);
        e.u8(c.blue).u8(c.green).u8(c.red).u8(0);
    }
    for (int row = size - 1; row >= 0; --row)
        for (int column = 0; column < size; ++column) e.u8(index(column, row));
    return e.bytes;
}

// The whole animated cursor for these frames, frame indexes and jiffy rates.
inline Bytes ExpectedAnimation(const std::vector<Bytes>& frames, const std::vector<std::uint32_t>& indexes,
                               const std::vector<std::uint32_t>& rates) {
    const auto steps = static_cast<std::uint32_t>(indexes.size());
    std::uint32_t listSize = 4;
    for (const Bytes& frame : frames) listSize += 8 + static_cast<std::uint32_t>(frame.size());
    ExpectedBytes e;
    e.text("RIFF").u32(72 + 8 * steps + listSize).text("ACON").text("anih").u32(36).u32(36);
    e.u32(static_cast<std::uint32_t>(frames.size())).u32(steps).u32(0).u32(0).u32(0).u32(0).u32(14).u32(3);
    e.text("rate").u32(4 * steps);
    for (std::uint32_t rate : rates) e.u32(rate);
    e.text("seq ").u32(4 * steps);
    for (std::uint32_t index : indexes) e.u32(index);
    e.text("LIST").u32(listSize).text("fram");
    for (const Bytes& frame : frames) e.text("icon").u32(static_cast<std::uint32_t>(frame.size())).raw(frame);
    return e.bytes;
}
