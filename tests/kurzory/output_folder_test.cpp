// The output folder of a set: whole or not at all, links inside, replacing a folder already there.
#include <gtest/gtest.h>

#include "kurzory/output_folder.h"
#include "support/temp_files.h"

using kurzory::OutputFolder;
namespace fs = std::filesystem;

TEST(OutputFolder, AppearsWholeReplacesOnlyWhenAskedAndLeavesNothingBehind) {
    ScratchFolder folder;
    fs::create_directories(folder.path("sada/stare"));
    WriteAll(folder.path("sada/stare/soubor"), Bytes{9});
    {
        // Never committed: the half-built folder goes, a file made at PathFor with it.
        OutputFolder abandoned(folder.path("sada").string());
        ASSERT_TRUE(abandoned.Create().succeeded());
        WriteAll(abandoned.PathFor("vlastni"), Bytes{1});
        ASSERT_TRUE(abandoned.MakeLink("odkaz", "vlastni").succeeded());
    }
    EXPECT_EQ(FilesIn(folder.root()), 1u);

    OutputFolder set(folder.path("sada/").string());
    ASSERT_TRUE(set.Create().succeeded());
    ASSERT_TRUE(set.MakeFolder("cursors").succeeded());
    ASSERT_TRUE(set.WriteFile("cursors/left_ptr", Bytes{1, 2}).succeeded());
    ASSERT_TRUE(set.MakeLink("cursors/default", "left_ptr").succeeded());
    const iconfile::FileOutcome twice = set.MakeLink("cursors/default", "left_ptr");
    EXPECT_FALSE(twice.succeeded()) << "a name is never made twice";
    EXPECT_EQ(twice.path(), folder.path("sada/cursors/default").string()) << "failures name the final place";
    EXPECT_FALSE(set.Commit(false).succeeded()) << "an existing folder is replaced only when asked";
    EXPECT_TRUE(fs::exists(folder.path("sada/stare/soubor")));
    ASSERT_TRUE(set.Commit(true).succeeded());
    EXPECT_FALSE(fs::exists(folder.path("sada/stare")));
    EXPECT_EQ(fs::read_symlink(folder.path("sada/cursors/default")), "left_ptr");
    EXPECT_EQ(ReadAll(folder.path("sada/cursors/default")), (Bytes{1, 2}));
    EXPECT_EQ(FilesIn(folder.root()), 1u) << "neither the old folder nor a temporary one is left";
}
