// The replacement on real files, in a folder set up the way another user or an unpacked archive
// could leave it: the output's name may be a file of any permission bits, a link to a file
// outside the output, a dangling link, a folder or a link to one. Whatever happens, no byte,
// permission bit or link outside the output's name changes; a success leaves a regular file with
// exactly the new bytes and never a setuid, setgid or sticky bit; a failure leaves the name as it
// was; no temporary file stays behind.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "fuzz_input.h"
#include "iconfile/patched_copy.h"

namespace {

namespace fs = std::filesystem;

// A folder of its own, removed when the run ends.
struct ScratchFolder {
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "kurzory-replacement-XXXXXX").string();
        FUZZ_CHECK(::mkdtemp(pattern.data()) != nullptr);
        path = pattern;
    }
    ~ScratchFolder() {
        std::error_code error;
        fs::remove_all(path, error);
    }
    fs::path path;
};

const fs::path& Folder() {
    static const ScratchFolder folder;
    return folder.path;
}

struct Entry {
    mode_t mode = 0;  // with the type bits
    std::string bytes;  // a file's content or a link's target
};

// Everything under `root`, links not followed.
std::map<std::string, Entry> Snapshot(const fs::path& root) {
    std::map<std::string, Entry> entries;
    for (const auto& item : fs::recursive_directory_iterator(root)) {
        struct stat info {};
        FUZZ_CHECK(::lstat(item.path().c_str(), &info) == 0);
        Entry entry;
        entry.mode = info.st_mode;
        if (S_ISLNK(info.st_mode)) entry.bytes = fs::read_symlink(item.path()).string();
        else if (S_ISREG(info.st_mode)) {
            std::FILE* file = std::fopen(item.path().c_str(), "rb");
            FUZZ_CHECK(file != nullptr);
            char buffer[4096];
            for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) entry.bytes.append(buffer, got);
            std::fclose(file);
        }
        entries[fs::relative(item.path(), root).string()] = entry;
    }
    return entries;
}

void WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes, mode_t mode) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    std::fclose(file);
    FUZZ_CHECK(::chmod(path.c_str(), mode) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const fs::path root = Folder() / "run";
    fs::remove_all(root);
    fs::create_directories(root / "other");
    const fs::path output = root / "kolo.ico";
    const fs::path victim = root / "other" / "profile";
    WriteFile(victim, input.Bytes(16), 0600 | (input.Flag() ? 04000 : 0));
    const std::vector<std::uint8_t> source = input.Bytes(64);
    WriteFile(root / "kolo.cur", source, 0644);
    const mode_t oldMode = static_cast<mode_t>(input.Below(010000));
    switch (input.Below(6)) {
        case 0: break;  // no output yet
        case 1: WriteFile(output, input.Bytes(32), oldMode); break;
        case 2: fs::create_symlink(victim, output); break;
        case 3: fs::create_symlink(root / "nowhere", output); break;
        case 4: fs::create_directory(output); break;
        default: fs::create_directory_symlink(root / "other", output); break;
    }
    // The patches: the copy differs from the source exactly there.
    std::vector<iconfile::BytePatch> patches(input.Below(4));
    for (iconfile::BytePatch& patch : patches) patch = {input.Below(80), input.Byte()};
    std::map<std::string, Entry> before = Snapshot(root);
    const bool outputWasFile = before.contains("kolo.ico") && S_ISREG(before["kolo.ico"].mode);
    // Skiren's and Pelcor's copies may patch a file in place.
    const bool intoItself = outputWasFile && input.Below(4) == 0;
    const fs::path from = intoItself ? output : root / "kolo.cur";
    const iconfile::FileOutcome outcome = iconfile::PatchedCopy(from, output, patches);
    std::map<std::string, Entry> after = Snapshot(root);

    if (outcome.succeeded()) {
        FUZZ_CHECK(after.contains("kolo.ico"));
        const Entry& written = after["kolo.ico"];
        FUZZ_CHECK(S_ISREG(written.mode));
        FUZZ_CHECK((written.mode & 07000) == 0);
        if (outputWasFile) FUZZ_CHECK((written.mode & 0777) == (before["kolo.ico"].mode & 0777));
        std::string expected = intoItself ? before["kolo.ico"].bytes : std::string(source.begin(), source.end());
        for (const iconfile::BytePatch& patch : patches) {
            if (patch.offset >= expected.size()) expected.resize(patch.offset + 1, '\0');
            expected[patch.offset] = static_cast<char>(patch.value);
        }
        FUZZ_CHECK(written.bytes == expected);
        before.erase("kolo.ico");
        after.erase("kolo.ico");
    } else {
        FUZZ_CHECK(!outcome.path().empty() && !outcome.reason().empty());
    }
    // Nothing else changed, and no temporary file is left.
    FUZZ_CHECK(before.size() == after.size());
    for (const auto& [name, entry] : before) {
        FUZZ_CHECK(after.contains(name));
        FUZZ_CHECK(after[name].mode == entry.mode);
        FUZZ_CHECK(after[name].bytes == entry.bytes);
    }
    return 0;
}
