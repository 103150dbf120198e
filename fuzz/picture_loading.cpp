// Pictures as the wizard's preview and Skiren's editor load them: the header and directory
// decide, a cursor is copied with its type byte patched to "icon" and the copy is decoded.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include "desktop/picture_loader.h"
#include "fuzz_input.h"
#include "iconfile/icon_directory.h"
#include "iconfile/icon_records.h"
#include "iconfile/image_check.h"
#include "iconfile/patched_copy.h"
#include "support/memory_file_operations.h"

namespace {

// Decoding needs Qt's image plugins, found through the application object.
QTemporaryDir& Folder() {
    static int argc = 1;
    static char name[] = "picture_loading";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/kurzory-fuzz-XXXXXX"));
    return folder;
}

int ByteAt(const std::vector<std::uint8_t>& bytes, std::uint64_t offset) {
    return offset < bytes.size() ? bytes[offset] : 0;
}

void WriteFile(const QString& path, const std::vector<std::uint8_t>& bytes) {
    QFile out(path);
    FUZZ_CHECK(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const bool asCursor = input.Flag();
    const std::vector<std::uint8_t> file = input.Rest();
    const QString path = Folder().filePath(QStringLiteral("kurzor.cur"));
    WriteFile(path, file);

    // The header bytes both programs test, read as the file holds them.
    const iconfile::IconDirectory directory = iconfile::ReadIconDirectory(path.toStdString());
    FUZZ_CHECK(directory.opened());
    FUZZ_CHECK(directory.fileLength == file.size());
    FUZZ_CHECK(directory.resourceTypeLow == ByteAt(file, iconfile::offsets::kResourceTypeLow));
    FUZZ_CHECK(directory.imageCountLow == ByteAt(file, iconfile::offsets::kImageCountLow));
    // The first entry's bytes are read only when the header announces an entry.
    if (directory.header && directory.header->imageCount > 0) {
        FUZZ_CHECK(directory.firstWidthByte == ByteAt(file, iconfile::offsets::kWidth));
        FUZZ_CHECK(directory.firstHeightByte == ByteAt(file, iconfile::offsets::kHeight));
    }
    FUZZ_CHECK(!directory.header || directory.entries.size() <= directory.header->imageCount);
    // Every image checked: the file and its bytes in memory get one verdict; a sound image lies inside.
    const iconfile::CheckedIconFile checked = iconfile::CheckIconFile(path.toStdString());
    FUZZ_CHECK(checked.fault == iconfile::CheckIconBytes(file).fault);
    for (const iconfile::CheckedImage& image : checked.images)
        FUZZ_CHECK(!image.sound() || image.offset() + image.length() <= file.size());

    QString shown = path;
    if (asCursor) {
        // The preview's copy: only one-image cursors are copied, with the type byte set to "icon".
        if (directory.imageCountLow != 1 || directory.resourceTypeLow != 2) return 0;
        MemoryFileOperations files;
        files.files["/in.cur"] = file;
        const std::array<iconfile::BytePatch, 1> patch{{{iconfile::offsets::kResourceTypeLow, 1}}};
        FUZZ_CHECK(iconfile::PatchedCopy("/in.cur", "/obr.tmp", patch, files).succeeded());
        FUZZ_CHECK(files.files.size() == 2 && files.openCount() == 0);
        const std::vector<std::uint8_t>& copy = files.files.at("/obr.tmp");
        FUZZ_CHECK(copy.size() == file.size());
        for (std::size_t i = 0; i < file.size(); ++i)
            FUZZ_CHECK(copy[i] == (i == iconfile::offsets::kResourceTypeLow ? 1 : file[i]));
        shown = Folder().filePath(QStringLiteral("obr.tmp"));
        WriteFile(shown, copy);
    }
    const desktop::LoadedPicture loaded = desktop::LoadPicture(shown);
    if (loaded.outcome == desktop::PictureLoadOutcome::Loaded) FUZZ_CHECK(!loaded.image.isNull());
    return 0;
}
