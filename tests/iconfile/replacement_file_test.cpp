// The replacement as another local user or an unpacked archive would attack it: links at the
// output's name, permission bits, long names, and the texts of every failure.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "iconfile/patched_copy.h"
#include "iconfile/replacement_file.h"
#include "iconfile/shown_file_name.h"
#include "iconfile/system_error_text.h"
#include "support/temp_files.h"

using namespace iconfile;
namespace fs = std::filesystem;

namespace {

mode_t ModeOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

}  // namespace

TEST(ReplacementFile, LinkAtTheOutputIsReplacedAndItsTargetNeverWritten) {
    ScratchFolder folder;
    WriteAll(folder.path("in"), Bytes{0, 0, 2});
    WriteAll(folder.path("profile"), Bytes{7, 7});
    fs::create_symlink(folder.path("profile"), folder.path("kolo.ico"));
    fs::create_symlink(folder.path("nowhere"), folder.path("dangling.ico"));
    ASSERT_TRUE(PatchedCopy(folder.path("in"), folder.path("kolo.ico"), {}).succeeded());
    ASSERT_TRUE(PatchedCopy(folder.path("in"), folder.path("dangling.ico"), {}).succeeded());
    EXPECT_EQ(ReadAll(folder.path("profile")), (Bytes{7, 7}));
    EXPECT_FALSE(fs::exists(folder.path("nowhere")));
    for (const char* name : {"kolo.ico", "dangling.ico"}) {
        EXPECT_FALSE(fs::is_symlink(fs::symlink_status(folder.path(name)))) << name;
        EXPECT_EQ(ReadAll(folder.path(name)), (Bytes{0, 0, 2})) << name;
    }
}

TEST(ReplacementFile, KeepsPermissionBitsButNeverSetuidSetgidOrSticky) {
    ScratchFolder folder;
    WriteAll(folder.path("in"), Bytes{1});
    WriteAll(folder.path("private"), Bytes{9});
    WriteAll(folder.path("program"), Bytes{9});
    ASSERT_EQ(::chmod(folder.path("private").c_str(), 0640), 0);
    ASSERT_EQ(::chmod(folder.path("program").c_str(), 07755), 0);
    ASSERT_TRUE(PatchedCopy(folder.path("in"), folder.path("private"), {}).succeeded());
    ASSERT_TRUE(PatchedCopy(folder.path("in"), folder.path("program"), {}).succeeded());
    EXPECT_EQ(ModeOf(folder.path("private")), 0640u);
    EXPECT_EQ(ModeOf(folder.path("program")), 0755u);
}

TEST(ReplacementFile, PermissionsAreSetOnTheOpenFileBeforeAnyByteIsWritten) {
    ScratchFolder folder;
    WriteAll(folder.path("old"), Bytes{9});
    ASSERT_EQ(::chmod(folder.path("old").c_str(), 0600), 0);
    SystemFileOperations files;
    ReplacementFile replacement(folder.path("old").string(), files);
    ASSERT_TRUE(replacement.Create().succeeded());
    // The only other entry is the temporary file: private already, while still empty.
    for (const auto& entry : fs::directory_iterator(folder.root())) {
        if (entry.path().filename() == "old") continue;
        EXPECT_EQ(ModeOf(entry.path()), 0600u);
        EXPECT_EQ(fs::file_size(entry.path()), 0u);
    }
}

TEST(ReplacementFile, TemporaryNameStaysWithinTheFileNameLimit) {
    const std::string longest(255, 'a');
    std::string czech(100, 'a');
    for (int i = 0; i < 75; ++i) czech += "č";
    for (const std::string& name : {longest, czech}) {
        const std::string temporary = fs::path(TemporaryNameFor("dir/" + name, 12345)).filename().string();
        EXPECT_LE(temporary.size(), 255u);
        EXPECT_TRUE(temporary.starts_with(".a"));
        EXPECT_TRUE(temporary.ends_with(".part"));
        // Never cut inside a character: what is left before ".RANDOM.part" is whole UTF-8.
        const std::string kept = temporary.substr(1, temporary.size() - 1 - 14);
        EXPECT_TRUE(name.starts_with(kept));
        EXPECT_NE(static_cast<unsigned char>(kept.back()) & 0xC0, 0xC0u);
    }
    ScratchFolder folder;
    WriteAll(folder.path("in"), Bytes{3});
    ASSERT_TRUE(PatchedCopy(folder.path("in"), folder.path(longest), {}).succeeded());
    EXPECT_EQ(ReadAll(folder.path(longest)), (Bytes{3}));
}

TEST(SystemErrorText, EveryFailureOfTheFileOperationsIsCzech) {
    for (int error : {EACCES, EPERM, ENOENT, ENOTDIR, EISDIR, ENOSPC, EDQUOT, EROFS, EFBIG, EIO, EXDEV, EEXIST,
                      ENOTEMPTY, ENAMETOOLONG, ELOOP, EMLINK, ETXTBSY, EBUSY, EAGAIN, EINTR, EINVAL, EBADF, EMFILE,
                      ENFILE, ENOMEM, ENODEV, ENXIO, EOPNOTSUPP, EPIPE, EOVERFLOW, ESTALE, EFAULT, ENOLCK}) {
        const std::string text = SystemErrorText(error);
        EXPECT_NE(text, std::strerror(error)) << error;
        EXPECT_EQ(text.find("Neznámá"), std::string::npos) << error;
    }
}

TEST(ShownFileName, ControlCharactersAreEscapedSoAMessageStaysOneLine) {
    EXPECT_EQ(ShownFileName("a\nb\tc\rd"), "a\\nb\\tc\\rd");
    EXPECT_EQ(ShownFileName("\x1b[2J\x7f"), "\\x1B[2J\\x7F");
    EXPECT_EQ(ShownFileName("x\xc2\x9by"), "x\\xC2\\x9By");  // the one-byte CSI of UTF-8 terminals
    EXPECT_EQ(ShownFileName("kůň č.ico"), "kůň č.ico");
}
