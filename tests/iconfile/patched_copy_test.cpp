#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>

#include "iconfile/patched_copy.h"
#include "support/file_faults.h"
#include "support/scripted_file_operations.h"
#include "support/temp_files.h"

using namespace iconfile;
namespace fs = std::filesystem;

TEST(PatchedCopy, PatchesInOrderAndExtendsBeyondTheEnd) {
    ScratchFolder folder;
    WriteAll(folder.path("in"), Bytes{1, 2, 3});
    const std::array<BytePatch, 3> patches{{{1, 9}, {6, 7}, {1, 8}}};
    ASSERT_TRUE(PatchedCopy(folder.path("in"), folder.path("out"), patches).succeeded());
    EXPECT_EQ(ReadAll(folder.path("out")), (Bytes{1, 8, 3, 0, 0, 0, 7}));
    EXPECT_EQ(ReadAll(folder.path("in")), (Bytes{1, 2, 3}));
}

TEST(PatchedCopy, OutputMayBeTheInputAndALongerOutputIsCutToLength) {
    ScratchFolder folder;
    WriteAll(folder.path("same"), Bytes{5, 5, 5});
    const std::array<BytePatch, 1> patch{{{0, 1}}};
    ASSERT_TRUE(PatchedCopy(folder.path("same"), folder.path("same"), patch).succeeded());
    EXPECT_EQ(ReadAll(folder.path("same")), (Bytes{1, 5, 5}));

    WriteAll(folder.path("long"), Bytes(100, 0xEE));
    ASSERT_TRUE(PatchedCopy(folder.path("same"), folder.path("long"), patch).succeeded());
    EXPECT_EQ(ReadAll(folder.path("long")), (Bytes{1, 5, 5}));
    EXPECT_EQ(FilesIn(folder.root()), 2u) << "no temporary file may stay behind";
}

TEST(PatchedCopy, LargeFileIsCopiedWhole) {
    ScratchFolder folder;
    Bytes big(300000);
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<std::uint8_t>(i * 31);
    WriteAll(folder.path("big"), big);
    const std::array<BytePatch, 1> patch{{{200000, 0}}};
    ASSERT_TRUE(PatchedCopy(folder.path("big"), folder.path("copy"), patch).succeeded());
    big[200000] = 0;
    EXPECT_EQ(ReadAll(folder.path("copy")), big);
}

TEST(PatchedCopy, NewFileGetsTheUsualMode) {
    ScratchFolder folder;
    WriteAll(folder.path("in"), Bytes{1});
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(PatchedCopy(folder.path("in"), folder.path("new"), {}).succeeded());
    ::umask(mask);
    EXPECT_EQ(fs::status(folder.path("new")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

TEST(PatchedCopy, FailuresAreReportedAndLeaveEverythingAsItWas) {
    ScratchFolder folder;
    WriteAll(folder.path("in"), Bytes{1, 2, 3});
    fs::create_directory(folder.path("dir"));
    const std::array<BytePatch, 1> patch{{{0, 7}}};

    const FileOutcome intoFolder = PatchedCopy(folder.path("in"), folder.path("dir"), patch);
    EXPECT_EQ(intoFolder.path(), folder.path("dir").string());
    EXPECT_EQ(intoFolder.reason(), "Je to složka");

    ASSERT_EQ(::mkfifo(folder.path("fifo").c_str(), 0600), 0);
    const FileOutcome fromFifo = PatchedCopy(folder.path("fifo"), folder.path("out"), patch);
    EXPECT_EQ(fromFifo.path(), folder.path("fifo").string());
    EXPECT_EQ(fromFifo.reason(), "Není to obyčejný soubor");
    EXPECT_EQ(PatchedCopy(folder.path("missing"), folder.path("out"), patch).reason(), "Soubor nebo složka neexistuje");
    EXPECT_EQ(PatchedCopy(folder.path("in"), folder.path("fifo"), patch).reason(), "Není to obyčejný soubor");
    EXPECT_FALSE(fs::exists(folder.path("out")));

    EXPECT_EQ(ReadAll(folder.path("in")), (Bytes{1, 2, 3}));
    EXPECT_EQ(FilesIn(folder.root()), 3u) << "no temporary file may stay behind";
}

TEST(PatchedCopy, EveryFailingStepLeavesTheOldFileAndNoStrayFile) {
    const std::array<BytePatch, 1> patch{{{2, 1}}};
    for (const FileFault& fault : kReplacementFaults) {
        ScratchFolder folder;
        WriteAll(folder.path("in.cur"), Bytes{0, 0, 2, 0, 1});
        WriteAll(folder.path("in.ico"), Bytes{7, 7});
        SystemFileOperations real;
        ScriptedFileOperations files(real);
        files.failMatching = fault.operation;
        files.matchingFailures = 1;
        files.skipMatching = fault.skip;
        files.failErrno = fault.errorNumber;
        const FileOutcome outcome = PatchedCopy(folder.path("in.cur"), folder.path("in.ico"), patch, files);
        EXPECT_FALSE(outcome.succeeded()) << fault.operation;
        EXPECT_EQ(outcome.reason(), fault.reason) << fault.operation;
        EXPECT_EQ(ReadAll(folder.path("in.cur")), (Bytes{0, 0, 2, 0, 1})) << fault.operation;
        EXPECT_EQ(ReadAll(folder.path("in.ico")), (Bytes{7, 7})) << fault.operation;
        EXPECT_EQ(FilesIn(folder.root()), 2u) << fault.operation;
    }
}

TEST(PatchedCopy, FlushesTheNewFileBeforeItsRenameAndTheFolderAfter) {
    ScratchFolder folder;
    WriteAll(folder.path("in"), Bytes{1, 2, 3});
    SystemFileOperations real;
    ScriptedFileOperations files(real);
    const std::array<BytePatch, 1> patch{{{1, 9}}};
    ASSERT_TRUE(PatchedCopy(folder.path("in"), folder.path("out"), patch, files).succeeded());
    const std::vector<std::string> tail(files.log.end() - 5, files.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"write 1", "sync", "close", "rename " + folder.path("out").string(),
                                              "sync-folder " + folder.root().string()}));
    EXPECT_EQ(ReadAll(folder.path("out")), (Bytes{1, 9, 3}));

    // A folder that cannot be flushed does not undo a finished replacement.
    ScriptedFileOperations noFolderSync(real);
    noFolderSync.failMatching = "sync-folder";
    noFolderSync.matchingFailures = 1;
    noFolderSync.failErrno = EINVAL;
    EXPECT_TRUE(PatchedCopy(folder.path("in"), folder.path("out"), {}, noFolderSync).succeeded());
    EXPECT_EQ(ReadAll(folder.path("out")), (Bytes{1, 2, 3}));
}

TEST(PatchedCopy, ReadOnlyTargetAndFolderFailWithoutRoot) {
    if (IsRoot()) GTEST_SKIP() << "root ignores permission bits";
    ScratchFolder folder;
    WriteAll(folder.path("in"), Bytes{1});
    WriteAll(folder.path("locked"), Bytes{4, 4});
    fs::permissions(folder.path("locked"), fs::perms::owner_read);
    EXPECT_FALSE(PatchedCopy(folder.path("in"), folder.path("locked"), {}).succeeded());
    EXPECT_EQ(ReadAll(folder.path("locked")), (Bytes{4, 4}));

    fs::create_directory(folder.path("ro"));
    fs::permissions(folder.path("ro"), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(PatchedCopy(folder.path("in"), folder.path("ro") / "out", {}).succeeded());
    fs::permissions(folder.path("ro"), fs::perms::owner_all);
}
