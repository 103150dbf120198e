// Skiren's start-up: any file on the command line is recognised; a sound cursor is silently
// converted into its icon twin, which differs from it only in the three patched bytes, unless an
// icon with other bytes is there, and a cut or damaged one is refused.
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>

#include "fuzz_input.h"
#include "iconfile/icon_records.h"
#include "iconfile/image_check.h"
#include "skiren/input_recognition.h"
#include "support/memory_file_operations.h"

namespace {

// The recognition reads the header from the file itself; the conversion reads and writes
// through the seam, here in memory under the same names.
const std::string& Folder() {
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/kurzory-fuzz-XXXXXX"));
    static const std::string path = folder.path().toStdString();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    MemoryFileOperations files;
    const std::string path = Folder() + "/sipka.cur";
    const std::string iconPath = Folder() + "/sipka.ico";
    files.folders.insert(Folder());
    // Sometimes an earlier icon is there to be replaced, or a folder or FIFO in its place.
    const std::uint8_t setting = input.Byte();
    const std::vector<std::uint8_t> oldIcon = {9, 9, 9};
    if (setting % 4 == 1) files.files[iconPath] = oldIcon;
    if (setting % 4 == 2) files.folders.insert(iconPath);
    if (setting % 4 == 3) files.fifos.insert(iconPath);
    const std::vector<std::uint8_t> cursor = input.Rest();
    files.files[path] = cursor;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(cursor.data()), static_cast<std::streamsize>(cursor.size()));

    const skiren::Recognition recognition = skiren::RecognizeInput(path, files);

    using Kind = skiren::Recognition::Kind;
    const int type = cursor.size() > 2 ? cursor[2] : 0;
    FUZZ_CHECK(files.files.at(path) == cursor);
    FUZZ_CHECK(files.openCount() == 0);
    if (type == 1) FUZZ_CHECK(recognition.kind == Kind::OpenEditor);
    if (type != 1 && type != 2) FUZZ_CHECK(recognition.kind == Kind::NotIconOrCursor);
    if (type != 2) return 0;
    if (!iconfile::CheckIconBytes(cursor).sound()) {
        FUZZ_CHECK(recognition.kind == Kind::NotIconOrCursor);
        FUZZ_CHECK(files.files.size() == (setting % 4 == 1 ? 2u : 1u));
        return 0;
    }
    if (setting % 4 == 1) {
        FUZZ_CHECK(recognition.kind == Kind::ReplaceQuestion);
        FUZZ_CHECK(files.files.at(iconPath) == oldIcon);
        return 0;
    }
    FUZZ_CHECK(recognition.kind == Kind::CursorConverted);
    if (setting % 4 >= 2) {
        FUZZ_CHECK(!recognition.conversion.succeeded());
        FUZZ_CHECK(files.files.size() == 1);
        return 0;
    }
    FUZZ_CHECK(recognition.conversion.succeeded());
    FUZZ_CHECK(files.files.size() == 2);  // no temporary file left
    FUZZ_CHECK(files.syncs == 1 && files.folderSyncs == 1);
    std::vector<std::uint8_t> expected = cursor;
    expected.resize(std::max<std::size_t>(expected.size(), iconfile::offsets::kBitCountOrHotSpotYLow + 1), 0);
    expected[iconfile::offsets::kResourceTypeLow] = 1;
    expected[iconfile::offsets::kPlanesOrHotSpotXLow] = 0;
    expected[iconfile::offsets::kBitCountOrHotSpotYLow] = 0;
    FUZZ_CHECK(files.files.at(iconPath) == expected);
    return 0;
}
