#include <gtest/gtest.h>
#include <sys/stat.h>

#include "skiren/input_recognition.h"
#include "skiren_files.h"
#include "support/scripted_desktop.h"

using namespace skiren;
using Kind = Recognition::Kind;

namespace {

// Recognizes `path` and shows what it has to say; returns the one message text, if any.
QString Outcome(const std::string& path, ScriptedDesktop& desktop, Kind expected) {
    const Recognition recognition = RecognizeInput(path);
    EXPECT_EQ(recognition.kind, expected) << path;
    FinishRecognition(recognition, path, desktop);
    return desktop.messages.empty() ? QString() : desktop.messages.back().text;
}

}  // namespace

TEST(RecognizeInput, RefusesWhatIsNeitherIconNorCursorAndCreatesNothing) {
    TestApplication();
    ScratchFolder folder;
    WriteAll(folder.path("three.ico"), Bytes{0, 0, 3, 0});
    WriteAll(folder.path("empty.ico"), Bytes{});
    WriteAll(folder.path("short.cur"), Bytes{0, 0});
    ASSERT_EQ(::mkfifo(folder.path("fifo.cur").c_str(), 0600), 0);
    std::filesystem::create_directory(folder.path("dir.cur"));
    for (const char* name : {"three.ico", "empty.ico", "short.cur", "missing.cur", "fifo.cur", "dir.cur"}) {
        ScriptedDesktop desktop;
        EXPECT_EQ(Outcome(folder.path(name).string(), desktop, Kind::NotIconOrCursor),
                  QStringLiteral("Vstupní soubor není soubor ikony nebo kurzoru!"));
        EXPECT_EQ(desktop.messages.at(0).icon, desktop::MessageIcon::Critical);
        EXPECT_FALSE(desktop.messages.at(0).title.has_value()) << "the program's title is the caption";
        EXPECT_TRUE(desktop.ended);
    }
    EXPECT_EQ(FilesIn(folder.root()), 5u);
}

TEST(RecognizeInput, OnlyTheLowByteOfTheTypeCounts) {
    ScratchFolder folder;
    WriteAll(folder.path("odd.ico"), Bytes{0, 0, 1, 5, 0, 1});
    EXPECT_EQ(RecognizeInput(folder.path("odd.ico").string()).kind, Kind::OpenEditor);
}

TEST(RecognizeInput, CursorIsConvertedSilently) {
    TestApplication();
    ScratchFolder folder;
    WriteAll(folder.path("k.cur"), Bytes{0, 0, 2});
    ScriptedDesktop desktop;
    EXPECT_TRUE(Outcome(folder.path("k.cur").string(), desktop, Kind::CursorConverted).isNull());
    EXPECT_TRUE(desktop.ended);
    EXPECT_EQ(desktop.exitStatus, 0);
    EXPECT_EQ(ReadAll(folder.path("k.ico")).size(), 13u);
}

TEST(RecognizeInput, CursorThatCannotBeWrittenGetsTheFileErrorReport) {
    TestApplication();
    ScratchFolder folder;
    WriteAll(folder.path("k.cur"), Bytes{0, 0, 2, 0});
    std::filesystem::create_directory(folder.path("k.ico"));
    ScriptedDesktop desktop;
    const QString text = Outcome(folder.path("k.cur").string(), desktop, Kind::CursorConverted);
    EXPECT_TRUE(text.contains(QString::fromStdString(folder.path("k.ico").string())));
    EXPECT_EQ(desktop.messages.at(0).icon, desktop::MessageIcon::Critical);
    EXPECT_EQ(desktop.exitStatus, 1);
    EXPECT_EQ(ReadAll(folder.path("k.cur")), (Bytes{0, 0, 2, 0}));
}

TEST(RecognizeInput, PathWithoutRoomForTheNewEndingIsRefused) {
    TestApplication();
    ScratchFolder folder;
    std::filesystem::create_directory(folder.path("d"));
    WriteAll(folder.path("d") / "ab", Bytes{0, 0, 2});
    ScriptedDesktop desktop;
    const std::string path = (folder.path("d") / "ab").string();
    EXPECT_EQ(Outcome(path, desktop, Kind::NoRoomForSuffix), NoRoomMessage(path));
    EXPECT_FALSE(std::filesystem::exists(folder.path("dcur")));
    EXPECT_EQ(FilesIn(folder.root()), 1u);
}
