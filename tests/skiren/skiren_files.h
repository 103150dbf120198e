#pragma once
// Icon and cursor files for Skiren's tests, drawn in memory.
#include <QApplication>

#include "iconfile/icon_records.h"
#include "support/temp_files.h"
#include "support/test_application.h"

// A one-image 8-bit icon (or cursor) of the given size, which the picture reader loads.
inline Bytes TestIcon(int width, int height, int type = 1, int imageCount = 1) {
    using namespace iconfile;
    IconFileHeader header{0, static_cast<std::uint16_t>(type), static_cast<std::uint16_t>(imageCount)};
    IconDirEntry entry;
    entry.width = static_cast<std::uint8_t>(width);
    entry.height = static_cast<std::uint8_t>(height);
    entry.planes = 1;
    entry.bitCount = 8;
    entry.imageSize = static_cast<std::uint32_t>(ImageBlockLength(width, height, 8, 256));
    entry.imageOffset = 6 + 16 * static_cast<std::uint32_t>(imageCount);
    ImageBitmapHeader bitmap;
    bitmap.width = width;
    bitmap.height = 2 * height;
    Bytes out;
    auto append = [&out](const auto& bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); };
    append(header.Encode());
    for (int i = 0; i < imageCount; ++i) append(entry.Encode());
    append(bitmap.Encode());
    for (int i = 0; i < 256; ++i) append(PaletteEntry{static_cast<std::uint8_t>(i), 0, 0, 0}.Encode());
    out.resize(out.size() + height * RowBytes(width * 8) + height * RowBytes(width), 7);
    return out;
}

