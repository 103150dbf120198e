#pragma once
// kurzory's tests: a plain cursor of the tests' own encoder and a runner for the real program.
#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <cstdint>
#include <cstdlib>
#include <sys/wait.h>
#include <optional>
#include <string>
#include <vector>

#include "support/file_encoder.h"
#include "support/temp_files.h"

inline Bytes PlainCursor(int size = 16, std::uint32_t argb = 0xFF2040C0) {
    return TestArgbCursor(size, 1, 2, [argb](int, int) { return argb; });
}

// A black-and-white cursor (326 bytes at 32 px) whose pixel (x, y), y from the top, has the AND
// bit `screen(x, y)` (the screen stays) and the colour white where `white(x, y)`: both together
// invert the screen.
inline Bytes MonochromeCursor(int size = 32, const std::function<bool(int, int)>& screen = [](int, int) { return false; },
                              const std::function<bool(int, int)>& white = [](int x, int y) { return x == y; }) {
    const auto side = static_cast<std::uint32_t>(size);
    const auto row = static_cast<std::uint32_t>(TestRowBytes(side));
    ExpectedBytes e;
    e.u16(0).u16(2).u16(1).u8(static_cast<std::uint8_t>(size)).u8(static_cast<std::uint8_t>(size)).u8(2).u8(0);
    e.u16(1).u16(1).u32(40 + 8 + 2 * side * row).u32(22);
    e.u32(40).u32(side).u32(2 * side).u16(1).u16(1).u32(0).u32(0).u32(0).u32(0).u32(0).u32(0);
    e.u32(0).u32(0x00FFFFFF);
    for (const auto& bit : {white, screen})
        for (int y = size - 1; y >= 0; --y) {
            Bytes packed(row, 0);
            for (int x = 0; x < size; ++x)
                if (bit(x, y)) packed[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            e.raw(packed);
        }
    return e.bytes;
}

// A square picture saved as PNG in the given format: a diagonal of opaque colour from the top-left
// corner over a transparent ground (a grey or palette format stores the ground as it can).
inline void WritePng(const std::filesystem::path& path, int size, QImage::Format format = QImage::Format_ARGB32) {
    QImage picture(size, size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int i = 0; i < size; ++i) picture.setPixel(i, i, qRgba(200, 40, 10 + i, 255));
    picture.convertToFormat(format).save(QString::fromStdString(path.string()), "png");
}

// Every image of an icon or cursor as the toolkit's reader decodes it.
inline std::vector<QImage> ImagesOf(const std::filesystem::path& path) {
    Bytes bytes = ReadAll(path);
    if (bytes.size() > 2) bytes[2] = 1;  // the reader takes cursors only as icons
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    std::vector<QImage> images;
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) images.push_back(reader.read());
    return images;
}

#ifdef KURZORY_BINARY
struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string Quote(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs the real program in `folder` with the given words.
inline RunResult RunKurzory(const ScratchFolder& folder, const std::vector<std::string>& words) {
    std::string command = "cd " + Quote(folder.root().string()) + " && " + Quote(KURZORY_BINARY);
    for (const std::string& word : words) command += " " + Quote(word);
    const auto outPath = folder.root() / ".run-out";
    const auto errPath = folder.root() / ".run-err";
    command += " > " + Quote(outPath.string()) + " 2> " + Quote(errPath.string());
    const int raw = std::system(command.c_str());
    RunResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    const Bytes out = ReadAll(outPath);
    const Bytes err = ReadAll(errPath);
    result.out.assign(out.begin(), out.end());
    result.err.assign(err.begin(), err.end());
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return result;
}
#endif
