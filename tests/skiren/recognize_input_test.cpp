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

// A 16 x 16 cursor with its hot spot at (0, 0) (type 2), or its icon twin (type 1).
Bytes Arrow(int type) {
    Bytes bytes = TestIcon(16, 16, type);
    bytes[10] = bytes[12] = 0;
    return bytes;
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
    WriteAll(folder.path("k.cur"), Arrow(2));
    ScriptedDesktop desktop;
    EXPECT_TRUE(Outcome(folder.path("k.cur").string(), desktop, Kind::CursorConverted).isNull());
    EXPECT_TRUE(desktop.ended);
    EXPECT_EQ(desktop.exitStatus, 0);
    EXPECT_EQ(ReadAll(folder.path("k.ico")), Arrow(1));
}

TEST(RecognizeInput, CutOrDamagedCursorIsRefusedAndNoIconWritten) {
    TestApplication();
    ScratchFolder folder;
    Bytes noImages = ReadAll(TestData("no_images.ico"));
    noImages[2] = 2;
    WriteAll(folder.path("none.cur"), noImages);
    WriteAll(folder.path("tiny.cur"), Bytes{0, 0, 2});
    std::filesystem::copy_file(TestData("sipka16_cut.cur"), folder.path("cut.cur"));
    for (const char* name : {"none.cur", "tiny.cur", "cut.cur"}) {
        ScriptedDesktop desktop;
        EXPECT_EQ(Outcome(folder.path(name).string(), desktop, Kind::NotIconOrCursor),
                  QStringLiteral("Vstupní soubor není soubor ikony nebo kurzoru!"));
    }
    EXPECT_EQ(FilesIn(folder.root()), 3u);
}

TEST(RecognizeInput, AnIconWithOtherBytesIsReplacedOnlyAfterYes) {
    TestApplication();
    ScratchFolder folder;
    const std::string cursor = folder.path("k.cur").string();
    WriteAll(cursor, Arrow(2));
    const Bytes mine = TestIcon(32, 32);
    WriteAll(folder.path("k.ico"), mine);

    ScriptedDesktop no;
    const Recognition asked = RecognizeInput(cursor);
    ASSERT_EQ(asked.kind, Kind::ReplaceQuestion);
    FinishRecognition(asked, cursor, no);
    ASSERT_EQ(no.messages.size(), 1u);
    EXPECT_EQ(no.messages[0].text, QStringLiteral("Soubor již existuje. Přepsat?"));
    EXPECT_EQ(no.messages[0].icon, desktop::MessageIcon::Question);
    EXPECT_EQ(no.messages[0].buttons, desktop::MessageButtons::YesNo);
    EXPECT_EQ(no.exitStatus, 0);
    EXPECT_EQ(ReadAll(folder.path("k.ico")), mine);

    // Without a display nobody can answer: one line, status 1, the icon kept.
    ScriptedDesktop alone;
    FinishRecognitionWithoutDisplay(RecognizeInput(cursor), cursor, alone);
    ASSERT_EQ(alone.messages.size(), 1u);
    EXPECT_TRUE(alone.messages[0].text.contains(QString::fromStdString(folder.path("k.ico").string())));
    EXPECT_EQ(alone.exitStatus, 1);
    EXPECT_EQ(ReadAll(folder.path("k.ico")), mine);

    ScriptedDesktop yes;
    yes.answers.push_back(desktop::MessageAnswer::Yes);
    FinishRecognition(RecognizeInput(cursor), cursor, yes);
    EXPECT_EQ(yes.exitStatus, 0);
    EXPECT_TRUE(yes.ended);
    const Bytes twin = ReadAll(folder.path("k.ico"));
    EXPECT_EQ(twin, Arrow(1));

    // Now the icon holds the twin already: converted again without a question.
    ScriptedDesktop again;
    EXPECT_TRUE(Outcome(cursor, again, Kind::CursorConverted).isNull());
    EXPECT_EQ(ReadAll(folder.path("k.ico")), twin);
}

TEST(RecognizeInput, CursorThatCannotBeWrittenGetsTheFileErrorReport) {
    TestApplication();
    ScratchFolder folder;
    WriteAll(folder.path("k.cur"), Arrow(2));
    std::filesystem::create_directory(folder.path("k.ico"));
    ScriptedDesktop desktop;
    const QString text = Outcome(folder.path("k.cur").string(), desktop, Kind::CursorConverted);
    EXPECT_TRUE(text.contains(QString::fromStdString(folder.path("k.ico").string())));
    EXPECT_EQ(desktop.messages.at(0).icon, desktop::MessageIcon::Critical);
    EXPECT_EQ(desktop.exitStatus, 1);
    EXPECT_EQ(ReadAll(folder.path("k.cur")), Arrow(2));
}

TEST(RecognizeInput, PathWithoutRoomForTheNewEndingIsRefused) {
    TestApplication();
    ScratchFolder folder;
    std::filesystem::create_directory(folder.path("d"));
    WriteAll(folder.path("d") / "ab", Arrow(2));
    ScriptedDesktop desktop;
    const std::string path = (folder.path("d") / "ab").string();
    EXPECT_EQ(Outcome(path, desktop, Kind::NoRoomForSuffix), NoRoomMessage(path));
    EXPECT_FALSE(std::filesystem::exists(folder.path("dcur")));
    EXPECT_EQ(FilesIn(folder.root()), 1u);
}
