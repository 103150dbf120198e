#pragma once
// Small file helpers for tests: a scratch folder per test and whole-file reads and writes.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <QTemporaryDir>
#include <unistd.h>

using Bytes = std::vector<std::uint8_t>;

class ScratchFolder {
public:
    std::filesystem::path path(const std::string& name) const {
        return std::filesystem::path(folder_.path().toStdString()) / name;
    }
    std::filesystem::path root() const { return folder_.path().toStdString(); }

private:
    QTemporaryDir folder_;
};

inline Bytes ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteAll(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// How many entries a folder holds: a temporary file left behind shows here.
inline std::size_t FilesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

inline bool IsRoot() {
    return ::getuid() == 0;
}

// A committed fixture file under tests/data.
inline std::filesystem::path TestData(const std::string& name) { return std::filesystem::path(KURZORY_TEST_DATA) / name; }
