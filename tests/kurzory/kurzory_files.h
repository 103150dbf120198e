#pragma once
// Files for kurzory's tests, made in memory: 32-bit cursors with known pixels, animated cursors
// of any shape (also broken ones), and a runner for the real program.
#include <cstdint>
#include <cstdlib>
#include <sys/wait.h>
#include <optional>
#include <string>
#include <vector>

#include "iconfile/icon_records.h"
#include "iconfile/little_endian.h"
#include "support/temp_files.h"

// A one-image 32-bit cursor (type 2) or icon (type 1); pixel (x, y), y from the top, is `colour(x, y)` as ARGB.
template <typename Colour>
Bytes TestCursor(int size, int hotX, int hotY, Colour colour, int type = 2) {
    using namespace iconfile;
    IconFileHeader header{0, static_cast<std::uint16_t>(type), 1};
    IconDirEntry entry;
    entry.width = static_cast<std::uint8_t>(size);
    entry.height = static_cast<std::uint8_t>(size);
    entry.planes = static_cast<std::uint16_t>(type == 2 ? hotX : 1);
    entry.bitCount = static_cast<std::uint16_t>(type == 2 ? hotY : 32);
    entry.imageSize = static_cast<std::uint32_t>(ImageBlockLength(size, size, 32, 0));
    entry.imageOffset = 22;
    ImageBitmapHeader bitmap;
    bitmap.width = size;
    bitmap.height = 2 * size;
    bitmap.bitCount = 32;
    Bytes out;
    auto append = [&out](const auto& bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); };
    append(header.Encode());
    append(entry.Encode());
    append(bitmap.Encode());
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x) {
            const std::uint32_t argb = colour(x, y);
            out.push_back(static_cast<std::uint8_t>(argb));
            out.push_back(static_cast<std::uint8_t>(argb >> 8));
            out.push_back(static_cast<std::uint8_t>(argb >> 16));
            out.push_back(static_cast<std::uint8_t>(argb >> 24));
        }
    out.resize(out.size() + static_cast<std::size_t>(size) * RowBytes(static_cast<std::size_t>(size)), 0);
    return out;
}

inline Bytes PlainCursor(int size = 16, std::uint32_t argb = 0xFF2040C0) {
    return TestCursor(size, 1, 2, [argb](int, int) { return argb; });
}

// The parts of an animated cursor; each field can be made wrong on purpose.
struct AniParts {
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

inline void AppendU32(Bytes& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A chunk: id, size (declared, or the data's), data and a pad byte after odd data.
inline void AppendChunk(Bytes& out, const char* id, const Bytes& data, std::optional<std::uint32_t> declared = {}) {
    out.insert(out.end(), id, id + 4);
    AppendU32(out, declared.value_or(static_cast<std::uint32_t>(data.size())));
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() % 2 == 1) out.push_back(0);
}

inline Bytes EncodeAni(const AniParts& parts) {
    const auto steps = static_cast<std::uint32_t>(parts.sequence ? parts.sequence->size()
                                                                 : (parts.rates.empty() ? parts.frames.size() : parts.rates.size()));
    Bytes header;
    for (std::uint32_t field : {parts.headerSizeField.value_or(parts.headerChunkSize), parts.headerFrames.value_or(static_cast<std::uint32_t>(parts.frames.size())),
                                parts.headerSteps.value_or(steps), 0u, 0u, 0u, 0u, parts.headerRate, parts.flags})
        AppendU32(header, field);
    header.resize(parts.headerChunkSize, 0);
    Bytes body = {'A', 'C', 'O', 'N'};
    if (parts.infoBeforeHeader) {
        Bytes info = {'I', 'N', 'F', 'O'};
        AppendChunk(info, "INAM", {'k', 'o', 'l', 'o', 0, 0});
        AppendChunk(body, "LIST", info);
    }
    AppendChunk(body, "anih", header);
    if (!parts.rates.empty()) {
        Bytes rates;
        for (std::uint32_t rate : parts.rates) AppendU32(rates, rate);
        AppendChunk(body, "rate", rates, parts.rateSize);
    }
    if (parts.sequence) {
        Bytes sequence;
        for (std::uint32_t entry : *parts.sequence) AppendU32(sequence, entry);
        AppendChunk(body, "seq ", sequence, parts.sequenceSize);
    }
    Bytes list = {'f', 'r', 'a', 'm'};
    for (const Bytes& frame : parts.frames) AppendChunk(list, "icon", frame);
    AppendChunk(body, "LIST", list);
    Bytes file;
    AppendChunk(file, "RIFF", body, parts.riffSize);
    file.resize(file.size() - std::min(parts.cutFromEnd, file.size()));
    return file;
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
