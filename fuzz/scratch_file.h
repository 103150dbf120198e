#pragma once
// A file of the fuzz target's own that each input is written into, for code that reads by path.
// It lives in a folder made for the run (under TMPDIR) and removed with it.
#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <span>
#include <string>

inline std::string ScratchPath(const QString& name) {
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/kurzory-fuzz-XXXXXX"));
    return folder.filePath(name).toStdString();
}

inline void WriteScratch(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
