// Writes the bundled sample files: 256-colour icons, one-image cursors (animation frames) and
// 256-colour bitmaps of every size Pelcor takes. All pixels are drawn here.
#include <cmath>
#include <cstdint>
#include <numbers>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "iconfile/icon_records.h"
#include "iconfile/little_endian.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Pixels = std::vector<std::uint8_t>;  // palette indices, top row first

void Append(Bytes& out, const auto& bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); }

// A small palette: 0 black, 1 white, 2 red, 3 green, 4 blue, 5 yellow, 6 grey, the rest a ramp.
Bytes Palette() {
    Bytes palette;
    const std::uint8_t fixed[7][3] = {{0, 0, 0}, {255, 255, 255}, {255, 0, 0}, {0, 160, 0},
                                      {0, 0, 255}, {255, 255, 0}, {128, 128, 128}};
    for (int i = 0; i < 256; ++i) {
        iconfile::PaletteEntry entry;
        if (i < 7) {
            entry.red = fixed[i][0], entry.green = fixed[i][1], entry.blue = fixed[i][2];
        } else {
            entry.red = static_cast<std::uint8_t>(i), entry.green = static_cast<std::uint8_t>(255 - i),
            entry.blue = static_cast<std::uint8_t>((i * 7) & 0xFF);
        }
        Append(palette, entry.Encode());
    }
    return palette;
}

Bytes BottomUp(const Pixels& pixels, int size) {
    Bytes rows;
    for (int row = size - 1; row >= 0; --row)
        rows.insert(rows.end(), pixels.begin() + row * size, pixels.begin() + (row + 1) * size);
    return rows;
}

// One-image 8-bit icon or cursor; pixels of index `transparent` get mask bit 1 (and are black).
Bytes IconFile(const Pixels& pixels, int size, iconfile::IconFileKind kind, int hotX, int hotY, int transparent) {
    const std::size_t maskRow = iconfile::RowBytes(static_cast<std::size_t>(size));
    Bytes mask(maskRow * size, 0);
    Pixels colours = pixels;
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column)
            if (pixels[row * size + column] == transparent) {
                colours[row * size + column] = 0;
                mask[(size - 1 - row) * maskRow + column / 8] |= static_cast<std::uint8_t>(0x80 >> (column % 8));
            }
    iconfile::IconFileHeader header;
    header.resourceType = static_cast<std::uint16_t>(kind);
    iconfile::IconDirEntry entry;
    entry.width = entry.height = static_cast<std::uint8_t>(size);
    entry.planes = static_cast<std::uint16_t>(kind == iconfile::IconFileKind::Cursor ? hotX : 1);
    entry.bitCount = static_cast<std::uint16_t>(kind == iconfile::IconFileKind::Cursor ? hotY : 8);
    entry.imageSize = static_cast<std::uint32_t>(iconfile::ImageBlockLength(size, size, 8, 256));
    entry.imageOffset = iconfile::IconFileHeader::kSize + iconfile::IconDirEntry::kSize;
    iconfile::ImageBitmapHeader bitmap;
    bitmap.width = size;
    bitmap.height = 2 * size;
    Bytes out;
    Append(out, header.Encode());
    Append(out, entry.Encode());
    Append(out, bitmap.Encode());
    Append(out, Palette());
    Append(out, BottomUp(colours, size));
    Append(out, mask);
    return out;
}

Bytes BitmapFile(const Pixels& pixels, int size) {
    Bytes out(54, 0);
    const std::uint32_t length = 54 + 1024 + static_cast<std::uint32_t>(size * size);
    out[0] = 'B', out[1] = 'M';
    iconfile::WriteU32(out, 2, length);
    iconfile::WriteU32(out, 10, 1078);
    iconfile::WriteU32(out, 14, 40);
    iconfile::WriteU32(out, 18, static_cast<std::uint32_t>(size));
    iconfile::WriteU32(out, 22, static_cast<std::uint32_t>(size));
    iconfile::WriteU16(out, 26, 1);
    iconfile::WriteU16(out, 28, 8);
    iconfile::WriteU32(out, 34, static_cast<std::uint32_t>(size * size));
    iconfile::WriteU32(out, 46, 256);
    Append(out, Palette());
    Append(out, BottomUp(pixels, size));
    return out;
}

// An arrow pointing to the top-left corner on a white ground.
Pixels Arrow(int size) {
    Pixels p(size * size, 1);
    for (int row = 0; row < size * 3 / 4; ++row)
        for (int column = 0; column <= row / 2 + row / 4 && column < size; ++column)
            p[row * size + column] = (column == 0 || column == row / 2 + row / 4 || row == size * 3 / 4 - 1) ? 0 : 2;
    for (int step = 0; step < size / 2; ++step) {
        const int row = size / 2 + step, column = size / 4 + step / 2;
        if (row < size && column + 1 < size) p[row * size + column] = p[row * size + column + 1] = 0;
    }
    return p;
}

// A flower: yellow centre, red petals, green stem on a white ground, with a one-pixel blue dot.
Pixels Flower(int size) {
    Pixels p(size * size, 1);
    const int c = size / 2, r = size / 5;
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column) {
            const int dx = column - c, dy = row - c * 2 / 3;
            const int d2 = dx * dx + dy * dy;
            if (d2 <= r * r / 2) p[row * size + column] = 5;
            else if (d2 <= r * r * 2) p[row * size + column] = 2;
            else if (column == c && row > c) p[row * size + column] = 3;
        }
    p[(size - 1) * size + (size - 1)] = 4;
    return p;
}

// Frame `phase` of a dot going round a circle, with a grey ground that becomes transparent.
Pixels Spinner(int size, int phase) {
    Pixels p(size * size, 6);
    const int centres[4][2] = {{16, 6}, {26, 16}, {16, 26}, {6, 16}};
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column) {
            const int dx = column - centres[phase][0], dy = row - centres[phase][1];
            if (dx * dx + dy * dy <= 16) p[row * size + column] = static_cast<std::uint8_t>(2 + phase % 3);
            if (dx * dx + dy * dy <= 16 && dx * dx + dy * dy >= 10) p[row * size + column] = 0;
        }
    return p;
}

// A five-pointed yellow star with a red centre on a plain ground of index `ground`, a colour
// used nowhere else, so one click picks the whole background.
Pixels Star(int size, std::uint8_t ground) {
    Pixels p(size * size, ground);
    const double c = (size - 1) / 2.0, outer = size * 0.45, inner = size * 0.18;
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column) {
            const double dx = column - c, dy = row - c, angle = std::atan2(dx, -dy);
            const double point = 2 * std::numbers::pi / 5;
            const double sector = std::fmod(angle + 2 * std::numbers::pi, point) / point;
            const double limit = inner + (outer - inner) * std::fabs(1 - 2 * sector);
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d <= limit) p[row * size + column] = d <= inner / 2 ? 2 : 5;
        }
    return p;
}

bool Write(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? std::string(argv[1]) + "/" : std::string("./");
    using iconfile::IconFileKind;
    bool ok = Write(folder + "sipka.ico", IconFile(Arrow(32), 32, IconFileKind::Icon, 0, 0, 1));
    ok &= Write(folder + "kytka16.ico", IconFile(Flower(16), 16, IconFileKind::Icon, 0, 0, 1));
    ok &= Write(folder + "sipka.cur", IconFile(Arrow(32), 32, IconFileKind::Cursor, 0, 0, 1));
    for (int phase = 0; phase < 4; ++phase)
        ok &= Write(folder + "kolo" + std::to_string(phase + 1) + ".cur",
                    IconFile(Spinner(32, phase), 32, IconFileKind::Cursor, 16, 16, 6));
    for (int size : {16, 24, 32, 48, 64, 96})
        ok &= Write(folder + "kytka" + std::to_string(size) + ".bmp", BitmapFile(Flower(size), size));
    ok &= Write(folder + "hvezda32.bmp", BitmapFile(Star(32, 3), 32));
    ok &= Write(folder + "hvezda48.bmp", BitmapFile(Star(48, 4), 48));
    if (!ok) std::fprintf(stderr, "make_samples: could not write into %s\n", folder.c_str());
    return ok ? 0 : 1;
}
