// kurzory ani, run as a user runs it: the wizard's bytes, and refusals that leave no file.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "animace/writer/animated_cursor_writer.h"
#include "kurzory_files.h"

namespace {

// A cursor the picker takes, 326 bytes long.
Bytes WorkedFrame() { return ReadAll(TestData("worked_example_1.cur")); }

class AniCommand : public ::testing::Test {
protected:
    void SetUp() override {
        WriteAll(folder.path("a.cur"), WorkedFrame());
        WriteAll(folder.path("b.cur"), WorkedFrame());
    }
    ScratchFolder folder;
};

TEST_F(AniCommand, WorkedExampleGivesItsBytes) {
    const RunResult run = RunKurzory(folder, {"ani", "-o", "out.ani", "--sequence", "1,2,1", "--times", "1,.5,1", "a.cur", "b.cur"});
    ASSERT_EQ(run.status, 0) << run.err;
    const Bytes file = ReadAll(folder.path("out.ani"));
    EXPECT_EQ(file.size(), 776u);
    EXPECT_EQ(file, ExpectedAnimation({WorkedFrame(), WorkedFrame()}, {0, 1, 0}, {60, 30, 60}));
}

TEST_F(AniCommand, RepeatedSequenceEqualsTheWizardsWriter) {
    WriteAll(folder.path("c.cur"), PlainCursor(32, 0xFF00FF00));
    // Times that sit exactly between two twentieths round to the even one: 2.5 -> 2, 7.5 -> 8.
    const RunResult run = RunKurzory(
        folder, {"ani", "-o", "out.ani", "--sequence", "3,1,3,2,2", "--times", "0.125,0.375,1638.35,.05,2", "a.cur", "b.cur", "c.cur"});
    ASSERT_EQ(run.status, 0) << run.err;

    animace::Animation input;
    for (const char* name : {"a.cur", "b.cur", "c.cur"}) input.frames.push_back(folder.path(name).string());
    input.steps = {{2, 2}, {0, 8}, {2, 32767}, {1, 1}, {1, 40}};
    const std::string expected = folder.path("expected.ani").string();
    ASSERT_EQ(animace::WriteAnimatedCursor(
                  input, expected, [] { return animace::OverwriteAnswer::Yes; },
                  [](const std::string&, const std::string&, const std::string&) { return animace::FailureAnswer::Cancel; }),
              animace::WriteOutcome::Written);
    EXPECT_EQ(ReadAll(folder.path("out.ani")), ReadAll(expected));

    // One time for all steps, and by default every frame once for 1 s.
    ASSERT_EQ(RunKurzory(folder, {"ani", "-o", "one.ani", "--times", "0.5", "a.cur", "b.cur"}).status, 0);
    input.frames.pop_back();
    input.steps = {{0, 10}, {1, 10}};
    ASSERT_EQ(animace::WriteAnimatedCursor(
                  input, folder.path("one-expected.ani").string(), [] { return animace::OverwriteAnswer::Yes; },
                  [](const std::string&, const std::string&, const std::string&) { return animace::FailureAnswer::Cancel; }),
              animace::WriteOutcome::Written);
    EXPECT_EQ(ReadAll(folder.path("one.ani")), ReadAll(folder.path("one-expected.ani")));
    // What the wizard writes for frames shown in order plays alike everywhere.
    const RunResult info = RunKurzory(folder, {"info", "one.ani"});
    EXPECT_EQ(info.status, 0) << info.out;
}

TEST_F(AniCommand, RefusalsLeaveNoFileAndNameTheCulprit) {
    WriteAll(folder.path("two.cur"), [] {
        Bytes bytes = PlainCursor(16);
        bytes[4] = 2;  // two images
        return bytes;
    }());
    WriteAll(folder.path("icon.ico"), TestArgbCursor(16, 0, 0, [](int, int) { return 0xFF000000u; }, 1));
    std::filesystem::copy_file(TestData("sipka16_cut.cur"), folder.path("cut.cur"));
    struct Case {
        std::vector<std::string> words;
        std::string named;
    };
    const std::vector<Case> cases = {
        {{"ani", "-o", "out.ani", "a.cur", "icon.ico"}, "icon.ico"},
        {{"ani", "-o", "out.ani", "two.cur", "a.cur"}, "two.cur"},
        {{"ani", "-o", "out.ani", "a.cur", "cut.cur"}, "cut.cur: obrázek 1 sahá za konec souboru"},
        {{"ani", "-o", "out.ani", "a.cur", "missing.cur"}, "missing.cur"},
        {{"ani", "-o", "out.ani", "--times", "0.04", "a.cur", "b.cur"}, "0.04"},
        {{"ani", "-o", "out.ani", "--times", "1638.36", "a.cur", "b.cur"}, "1638.36"},
        {{"ani", "-o", "out.ani", "--times", "1,x", "a.cur", "b.cur"}, "x"},
        {{"ani", "-o", "out.ani", "--times", "1,1,1", "a.cur", "b.cur"}, "2"},
        {{"ani", "-o", "out.ani", "--sequence", "1,3", "a.cur", "b.cur"}, "3"},
        {{"ani", "-o", "out.ani", "--sequence", "1", "a.cur", "b.cur"}, "kroky"},
        {{"ani", "-o", "out.ani", "a.cur"}, "snímky"},
        {{"ani", "-o", "a.cur", "--force", "a.cur", "b.cur"}, "a.cur"},
        {{"ani", "--sequnce", "1,2", "-o", "out.ani", "a.cur", "b.cur"}, "--sequnce"},
    };
    for (const Case& c : cases) {
        const RunResult run = RunKurzory(folder, c.words);
        EXPECT_EQ(run.status, 2) << c.named;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_FALSE(std::filesystem::exists(folder.path("out.ani"))) << c.named;
    }
    EXPECT_EQ(ReadAll(folder.path("a.cur")), WorkedFrame());
}

TEST_F(AniCommand, FramesOfSeveralSizesAndPngFrames) {
    const Bytes twoSizes = Combined({PlainCursor(16), PlainCursor(32, 0xFF00FF00)}, 2);
    WriteAll(folder.path("male.cur"), twoSizes);
    WriteAll(folder.path("velke.cur"), Combined({PlainCursor(32), PlainCursor(16)}, 2));
    ASSERT_EQ(RunKurzory(folder, {"ani", "-o", "out.ani", "male.cur", "velke.cur"}).status, 0);
    // Copied whole, as every frame is.
    EXPECT_EQ(ReadAll(folder.path("out.ani")),
              ExpectedAnimation({twoSizes, ReadAll(folder.path("velke.cur"))}, {0, 1}, {60, 60}));
    const RunResult info = RunKurzory(folder, {"info", "out.ani"});
    EXPECT_NE(info.out.find("snímek 1: 2 velikosti: 16 × 16 bodů s aktivním bodem 1, 2; 32 × 32 bodů s aktivním bodem 1, 2"),
              std::string::npos)
        << info.out;

    // A PNG frame becomes a cursor of that picture with the hot spot given.
    WritePng(folder.path("a.png"), 32);
    WritePng(folder.path("b.png"), 32, QImage::Format_Indexed8);
    ASSERT_EQ(RunKurzory(folder, {"ani", "-o", "png.ani", "--hotspot", "5,6", "a.png", "b.png", "a.cur"}).status, 0);
    const Bytes file = ReadAll(folder.path("png.ani"));
    const std::size_t firstFrame = file.size() - (8 + 326) - 2 * (8 + 4286);  // 32 px at 32 bits: 4286 bytes
    const Bytes frame(file.begin() + static_cast<std::ptrdiff_t>(firstFrame + 8),
                      file.begin() + static_cast<std::ptrdiff_t>(firstFrame + 8 + 4286));
    EXPECT_EQ(DirectoryOf(frame), (std::vector<EntryFields>{{32, 32, 5, 6}}));
    WriteAll(folder.path("frame.cur"), frame);
    const std::vector<QImage> images = ImagesOf(folder.path("frame.cur"));
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].convertToFormat(QImage::Format_ARGB32),
              QImage(QString::fromStdString(folder.path("a.png").string())).convertToFormat(QImage::Format_ARGB32));

    struct Case {
        std::vector<std::string> words;
        std::string line;
    };
    for (const Case& c : std::vector<Case>{
             {{"ani", "-o", "x.ani", "male.cur", "a.cur"}, "a.cur: snímek má velikosti 32, ale první snímek 16, 32"},
             {{"ani", "-o", "x.ani", "a.png", "b.png"}, "--hotspot"},
             {{"ani", "-o", "x.ani", "--hotspot", "1,1", "a.cur", "b.cur"}, "jen pro snímky PNG"},
             {{"ani", "-o", "x.ani", "--hotspot", "32,1", "a.png", "b.png"}, "a.png: aktivní bod musí"},
         }) {
        const RunResult run = RunKurzory(folder, c.words);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.line), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(folder.path("x.ani")));
    }
}

TEST_F(AniCommand, ExistingOutputIsReplacedOnlyWithForce) {
    WriteAll(folder.path("out.ani"), {'o', 'l', 'd'});
    const RunResult refused = RunKurzory(folder, {"ani", "-o", "out.ani", "a.cur", "b.cur"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("--force"), std::string::npos);
    EXPECT_EQ(ReadAll(folder.path("out.ani")), (Bytes{'o', 'l', 'd'}));

    EXPECT_EQ(RunKurzory(folder, {"ani", "-o", "out.ani", "--force", "a.cur", "b.cur"}).status, 0);
    EXPECT_EQ(ReadAll(folder.path("out.ani")).size(), 84u + 16u + 2u * (8u + 326u));
    // Nothing of the temporary file is left beside it.
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.root())) ++entries;
    EXPECT_EQ(entries, 3u);

    // An empty file is no one's work: it is written without asking.
    WriteAll(folder.path("empty.ani"), {});
    EXPECT_EQ(RunKurzory(folder, {"ani", "-o", "empty.ani", "a.cur", "b.cur"}).status, 0);
}

TEST(Kurzory, HelpVersionAndUsageErrors) {
    ScratchFolder folder;
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"--help"}, {"ani", "--help"}, {"cur", "-h"}, {"ico", "--help"}, {"info", "--help"},
          {"xcursor", "--help"}, {"--version"}}) {
        const RunResult run = RunKurzory(folder, words);
        EXPECT_EQ(run.status, 0) << words.front();
        EXPECT_NE(run.out.find("kurzory"), std::string::npos) << words.front();
    }
    for (const std::vector<std::string>& words : {std::vector<std::string>{"nic"}, {"info"}, {"cur", "-o"}, {"ico", "a", "b"}}) {
        const RunResult run = RunKurzory(folder, words);
        EXPECT_EQ(run.status, 2) << words.front();
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

}  // namespace

namespace {

double SecondsSince(const std::chrono::steady_clock::time_point& start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TEST(AniSignals, InterruptEndsALongCopyAtOnceAndLeavesTheOldOutput) {
    ScratchFolder folder;
    // Two frames of 900 MiB (holes, so the test's own files cost no disk): the copy takes seconds.
    for (const char* frame : {"a.cur", "b.cur"}) {
        WriteAll(folder.path(frame), PlainCursor(16));
        std::filesystem::resize_file(folder.path(frame), 900u << 20);
    }
    WriteAll(folder.path("out.ani"), Bytes{1, 2, 3});
    const pid_t child = ::fork();
    if (child == 0) {
        ASSERT_EQ(::chdir(folder.root().c_str()), 0);
        ::execl(KURZORY_BINARY, "kurzory", "ani", "--force", "-o", "out.ani", "a.cur", "b.cur", nullptr);
        ::_exit(127);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    int status = 0;
    if (::waitpid(child, &status, WNOHANG) == child) GTEST_SKIP() << "the copy ended before the signal";
    const auto sent = std::chrono::steady_clock::now();
    ::kill(child, SIGINT);
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    // 0.2 s on an idle machine; the shared test machines get some slack.
    EXPECT_LT(SecondsSince(sent), 1.0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT);
    EXPECT_EQ(ReadAll(folder.path("out.ani")), (Bytes{1, 2, 3}));
    EXPECT_EQ(FilesIn(folder.root()), 3u) << "the temporary file is removed";
}
