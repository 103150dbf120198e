#pragma once
// The tests' own encoder of icons, cursors, bitmaps and animated cursors, written from the file
// formats byte by byte and never from the program's records: the independent oracle the
// program's output is compared with.
#include <cstdint>
#include <algorithm>
#include <functional>
#include <optional>
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
    const std::uint32_t compression = !layout.runLength ? 0 : layout.bitCount == 4 ? 2 : 1;  // none, RLE4, RLE8
    ExpectedBytes e;
    e.text("BM").u32(pixelOffset + static_cast<std::uint32_t>(pixels.size())).u16(0).u16(0).u32(pixelOffset);
    e.u32(layout.headerSize).u32(static_cast<std::uint32_t>(size))
        .u32(static_cast<std::uint32_t>(layout.topDown ? -size : size)).u16(1)
        .u16(static_cast<std::uint16_t>(layout.bitCount)).u32(compression).u32(static_cast<std::uint32_t>(pixels.size()));
    e.u32(0).u32(0).u32(static_cast<std::uint32_t>(layout.paletteEntries)).u32(0).fill(layout.headerSize - 40, 0);
    Bytes out = std::move(e.bytes);
    for (int i = 0; i < layout.paletteEntries; ++i) {
        const Rgb c = colour(i);
        out.insert(out.end(), {c.blue, c.green, c.red, 0});
    }
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

// The whole animated cursor for these frames, frame indexes and jiffy rates. A frame of odd
// length gets one 0 byte inside its chunk.
inline Bytes ExpectedAnimation(const std::vector<Bytes>& frames, const std::vector<std::uint32_t>& indexes,
                               const std::vector<std::uint32_t>& rates) {
    const auto steps = static_cast<std::uint32_t>(indexes.size());
    std::vector<Bytes> chunks;
    for (const Bytes& frame : frames) {
        chunks.push_back(frame);
        if (frame.size() % 2 == 1) chunks.back().push_back(0);
    }
    std::uint32_t listSize = 4;
    for (const Bytes& chunk : chunks) listSize += 8 + static_cast<std::uint32_t>(chunk.size());
    ExpectedBytes e;
    e.text("RIFF").u32(72 + 8 * steps + listSize).text("ACON").text("anih").u32(36).u32(36);
    e.u32(static_cast<std::uint32_t>(frames.size())).u32(steps).u32(0).u32(0).u32(0).u32(0).u32(14).u32(3);
    e.text("rate").u32(4 * steps);
    for (std::uint32_t rate : rates) e.u32(rate);
    e.text("seq ").u32(4 * steps);
    for (std::uint32_t index : indexes) e.u32(index);
    e.text("LIST").u32(listSize).text("fram");
    for (const Bytes& chunk : chunks) e.text("icon").u32(static_cast<std::uint32_t>(chunk.size())).raw(chunk);
    return e.bytes;
}

// A one-image 32-bit cursor (type 2) or icon (type 1) of `size` pixels square; pixel (x, y), y
// from the top, is `colour(x, y)` as ARGB; the AND mask is all 0.
inline Bytes TestArgbCursor(int size, int hotX, int hotY, const std::function<std::uint32_t(int, int)>& colour,
                            int type = 2) {
    const auto side = static_cast<std::uint32_t>(size);
    const std::uint32_t imageSize = 40 + 4 * side * side + side * static_cast<std::uint32_t>(TestRowBytes(side));
    ExpectedBytes e;
    e.u16(0).u16(static_cast<std::uint16_t>(type)).u16(1);
    e.u8(static_cast<std::uint8_t>(size)).u8(static_cast<std::uint8_t>(size)).u8(0).u8(0);
    e.u16(static_cast<std::uint16_t>(type == 2 ? hotX : 1)).u16(static_cast<std::uint16_t>(type == 2 ? hotY : 32));
    e.u32(imageSize).u32(22);
    e.u32(40).u32(side).u32(2 * side).u16(1).u16(32).u32(0).u32(0).u32(0).u32(0).u32(0).u32(0);
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x) e.u32(colour(x, y));
    e.fill(side * TestRowBytes(side), 0);
    return e.bytes;
}

// The parts of an animated cursor, each of which a test can make wrong on purpose.
struct AnimationParts {
    std::vector<Bytes> frames;
    std::vector<std::uint32_t> rates;  // empty: no "rate" chunk
    std::optional<std::vector<std::uint32_t>> sequence;
    std::uint32_t flags = 3;
    std::uint32_t headerRate = 6;
    std::optional<std::uint32_t> headerFrames, headerSteps;
    std::uint32_t headerChunkSize = 36;
    std::optional<std::uint32_t> headerSizeField;  // the header's own size field; the chunk size by default
    std::optional<std::uint32_t> rateSize, sequenceSize, riffSize;
    bool infoBeforeHeader = false;
    std::size_t cutFromEnd = 0;  // bytes cut off the finished file
};

// A chunk: id, size (the data's unless declared otherwise), data, and a pad byte after odd data.
inline void AppendTestChunk(ExpectedBytes& e, const std::string& id, const Bytes& data,
                            std::optional<std::uint32_t> declared = {}) {
    e.text(id).u32(declared.value_or(static_cast<std::uint32_t>(data.size()))).raw(data);
    if (data.size() % 2 == 1) e.u8(0);
}

inline Bytes EncodedAnimation(const AnimationParts& parts) {
    const std::size_t steps =
        parts.sequence ? parts.sequence->size() : (parts.rates.empty() ? parts.frames.size() : parts.rates.size());
    ExpectedBytes header;
    header.u32(parts.headerSizeField.value_or(parts.headerChunkSize))
        .u32(parts.headerFrames.value_or(static_cast<std::uint32_t>(parts.frames.size())))
        .u32(parts.headerSteps.value_or(static_cast<std::uint32_t>(steps)))
        .u32(0).u32(0).u32(0).u32(0).u32(parts.headerRate).u32(parts.flags);
    header.bytes.resize(parts.headerChunkSize, 0);
    ExpectedBytes body;
    body.text("ACON");
    if (parts.infoBeforeHeader) {
        ExpectedBytes info;
        info.text("INFO");
        AppendTestChunk(info, "INAM", {'k', 'o', 'l', 'o', 0, 0});
        AppendTestChunk(body, "LIST", info.bytes);
    }
    AppendTestChunk(body, "anih", header.bytes);
    if (!parts.rates.empty()) {
        ExpectedBytes rates;
        for (std::uint32_t rate : parts.rates) rates.u32(rate);
        AppendTestChunk(body, "rate", rates.bytes, parts.rateSize);
    }
    if (parts.sequence) {
        ExpectedBytes sequence;
        for (std::uint32_t entry : *parts.sequence) sequence.u32(entry);
        AppendTestChunk(body, "seq ", sequence.bytes, parts.sequenceSize);
    }
    ExpectedBytes list;
    list.text("fram");
    for (const Bytes& frame : parts.frames) AppendTestChunk(list, "icon", frame);
    AppendTestChunk(body, "LIST", list.bytes);
    ExpectedBytes file;
    AppendTestChunk(file, "RIFF", body.bytes, parts.riffSize);
    file.bytes.resize(file.bytes.size() - std::min(parts.cutFromEnd, file.bytes.size()));
    return file.bytes;
}

// Width, height and the two hot-spot fields of every directory entry of an icon or cursor.
struct EntryFields {
    int width, height, hotSpotX, hotSpotY;
    bool operator==(const EntryFields&) const = default;
};
inline std::vector<EntryFields> DirectoryOf(const Bytes& file) {
    std::vector<EntryFields> entries;
    const auto u16 = [&](std::size_t at) { return file[at] | file[at + 1] << 8; };
    for (std::size_t i = 0; file.size() >= 6 && i < static_cast<std::size_t>(u16(4)) && 6 + 16 * i + 16 <= file.size(); ++i) {
        const std::size_t at = 6 + 16 * i;
        entries.push_back({file[at] == 0 ? 256 : file[at], file[at + 1] == 0 ? 256 : file[at + 1], u16(at + 4), u16(at + 6)});
    }
    return entries;
}

// One container (type 1 icon, 2 cursor) of the images of one-image files, in order, each entry as
// its file has it but for the offset.
inline Bytes Combined(const std::vector<Bytes>& oneImageFiles, int type) {
    ExpectedBytes e;
    e.u16(0).u16(static_cast<std::uint16_t>(type)).u16(static_cast<std::uint16_t>(oneImageFiles.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * oneImageFiles.size());
    for (const Bytes& file : oneImageFiles) {
        e.raw(Bytes(file.begin() + 6, file.begin() + 18)).u32(offset);
        offset += static_cast<std::uint32_t>(file.size() - 22);
    }
    for (const Bytes& file : oneImageFiles) e.raw(Bytes(file.begin() + 22, file.end()));
    return e.bytes;
}

// A one-image icon whose image is the PNG file's bytes.
inline Bytes PngIcon(const std::filesystem::path& png, int size) {
    const Bytes picture = ReadAll(png);
    ExpectedBytes e;
    e.u16(0).u16(1).u16(1).u8(static_cast<std::uint8_t>(size)).u8(static_cast<std::uint8_t>(size)).u8(0).u8(0);
    e.u16(1).u16(32).u32(static_cast<std::uint32_t>(picture.size())).u32(22).raw(picture);
    return e.bytes;
}
