// Pictures as the wizard's preview and Skiren's editor load them: the header bytes decide, a
// cursor is copied with its type byte patched to "icon" and the copy is decoded.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <sstream>

#include "desktop/picture_loader.h"
#include "fuzz_input.h"
#include "iconfile/header_byte.h"
#include "iconfile/icon_records.h"
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const bool asCursor = input.Flag();
    const std::vector<std::uint8_t> file = input.Rest();

    std::istringstream stream(std::string(file.begin(), file.end()));
    for (std::uint64_t offset : {iconfile::offsets::kResourceTypeLow, iconfile::offsets::kImageCountLow,
                                 iconfile::offsets::kWidth, iconfile::offsets::kHeight, std::uint64_t{1000}}) {
        FUZZ_CHECK(iconfile::HeaderByte(stream, offset) == ByteAt(file, offset));
    }

    std::vector<std::uint8_t> shown = file;
    if (asCursor) {
        // The preview's copy: only one-image cursors are copied, with the type byte set to "icon".
        if (ByteAt(file, iconfile::offsets::kImageCountLow) != 1 || ByteAt(file, iconfile::offsets::kResourceTypeLow) != 2)
            return 0;
        MemoryFileOperations files;
        files.files["/in.cur"] = file;
        const std::array<iconfile::BytePatch, 1> patch{{{iconfile::offsets::kResourceTypeLow, 1}}};
        FUZZ_CHECK(iconfile::PatchedCopy("/in.cur", "/obr.tmp", patch, files).succeeded());
        FUZZ_CHECK(files.files.size() == 2 && files.openCount() == 0);
        shown = files.files.at("/obr.tmp");
        FUZZ_CHECK(shown.size() == file.size());
        for (std::size_t i = 0; i < file.size(); ++i)
            FUZZ_CHECK(shown[i] == (i == iconfile::offsets::kResourceTypeLow ? 1 : file[i]));
    }

    const QString path = Folder().filePath(QStringLiteral("obraz.ico"));
    QFile out(path);
    FUZZ_CHECK(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(out.write(reinterpret_cast<const char*>(shown.data()), static_cast<qint64>(shown.size())) ==
               static_cast<qint64>(shown.size()));
    out.close();
    const desktop::LoadedPicture loaded = desktop::LoadPicture(path);
    if (loaded.outcome == desktop::PictureLoadOutcome::Loaded) FUZZ_CHECK(!loaded.image.isNull());
    return 0;
}
