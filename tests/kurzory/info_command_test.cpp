// kurzory info on animated cursors made by the tests' own encoder: every problem is named with
// its loader, the status follows the worst, and gdk-pixbuf's verdicts agree with gdk-pixbuf.
#include <gtest/gtest.h>

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <sys/wait.h>
#include <unistd.h>

#include "kurzory_files.h"

namespace {

AnimationParts ThreeFrames() {
    AnimationParts parts;
    parts.frames = {PlainCursor(16, 0xFFFF0000), PlainCursor(16, 0xFF00FF00), PlainCursor(16, 0xFF0000FF)};
    parts.rates = {6, 12, 18};
    parts.sequence = std::vector<std::uint32_t>{0, 1, 2};
    return parts;
}

// gdk-pixbuf's own verdict, in a child process: for some broken files it aborts on an assertion
// instead of reporting an error, which counts as a refusal too.
bool PixbufLoads(const std::filesystem::path& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        GError* error = nullptr;
        GdkPixbufAnimation* animation = gdk_pixbuf_animation_new_from_file(path.c_str(), &error);
        ::_exit(animation != nullptr && error == nullptr ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct ProblemCase {
    std::string name;
    AnimationParts parts;
    std::string expected;  // a phrase of the problem's line, empty for a clean file
    int status;
};

std::vector<ProblemCase> ProblemCases() {
    std::vector<ProblemCase> cases;
    auto add = [&](std::string name, auto change, std::string expected, int status) {
        AnimationParts parts = ThreeFrames();
        change(parts);
        cases.push_back({std::move(name), std::move(parts), std::move(expected), status});
    };
    add("clean", [](AnimationParts&) {}, "", 0);
    add("no sequence bit, order kept", [](AnimationParts& p) { p.flags = 1; }, "bit pořadí (2) – Wine (user32) si s tím poradí", 1);
    add("no sequence bit, order changed", [](AnimationParts& p) { p.flags = 1, p.sequence = {{0, 2, 1}}; },
        "bit pořadí (2) – Wine (user32) přehraje ho jinak", 2);
    add("no sequence bit, more steps",
        [](AnimationParts& p) { p.flags = 1, p.sequence = {{0, 1, 2, 1}}, p.rates = {6, 6, 6, 6}; },
        "bit pořadí (2) – gdk-pixbuf soubor odmítne", 2);
    add("rate size", [](AnimationParts& p) { p.rates = {6, 12, 18, 24}, p.headerSteps = 3; }, "„rate“ neodpovídá", 2);
    add("seq size", [](AnimationParts& p) { p.sequence = {{0, 1, 2, 0}}, p.headerSteps = 3; }, "„seq “ neodpovídá", 2);
    add("sequence beyond frames", [](AnimationParts& p) { p.sequence = {{0, 1, 3}}; }, "snímek, který v souboru není", 2);
    add("no frames", [](AnimationParts& p) { p.headerFrames = 0; }, "počet snímků je 0", 2);
    add("1024 steps",
        [](AnimationParts& p) {
            p.rates.assign(1024, 6);
            p.sequence = std::vector<std::uint32_t>(1024, 0);
            for (std::size_t i = 0; i < 1024; ++i) (*p.sequence)[i] = static_cast<std::uint32_t>(i % 3);
        },
        "počet kroků je 0 nebo 1024", 2);
    add("header size", [](AnimationParts& p) { p.headerChunkSize = 40; }, "„anih“ není 36", 2);
    add("header size field", [](AnimationParts& p) { p.headerSizeField = 40; }, "„anih“ není 36", 2);
    add("header chunk only", [](AnimationParts& p) { p.headerChunkSize = 40, p.headerSizeField = 36; }, "„anih“ není 36", 2);
    add("more frames declared", [](AnimationParts& p) { p.headerFrames = 4; }, "bloků „icon“", 2);
    add("frame chunks", [](AnimationParts& p) { p.headerFrames = 2, p.sequence = {{0, 1, 1}}; }, "bloků „icon“", 2);
    add("steps differ, no sequence", [](AnimationParts& p) { p.sequence.reset(), p.rates = {6, 6}; }, "pořadí chybí nebo jen roste", 2);
    add("riff size", [](AnimationParts& p) { p.riffSize = 100; }, "velikost RIFF nesouhlasí", 1);
    add("cut short", [](AnimationParts& p) { p.cutFromEnd = 3; }, "přesahuje konec souboru", 1);
    add("info before anih", [](AnimationParts& p) { p.infoBeforeHeader = true; }, "LIST INFO stojí před", 2);
    add("odd chunk", [](AnimationParts& p) { p.frames[1].push_back(0); }, "blok liché délky", 2);
    add("first step", [](AnimationParts& p) { p.sequence = {{1, 0, 2}}; }, "krok 1 neukazuje uložený snímek 1", 2);
    return cases;
}

TEST(InfoCommand, NamesEveryProblemAndAgreesWithGdkPixbuf) {
    ScratchFolder folder;
    for (const ProblemCase& c : ProblemCases()) {
        const auto path = folder.path("case.ani");
        WriteAll(path, EncodedAnimation(c.parts));
        const RunResult run = RunKurzory(folder, {"info", "case.ani"});
        EXPECT_EQ(run.status, c.status) << c.name << "\n" << run.out << run.err;
        if (c.expected.empty())
            EXPECT_NE(run.out.find("problémy: žádné"), std::string::npos) << c.name << "\n" << run.out;
        else
            EXPECT_NE(run.out.find(c.expected), std::string::npos) << c.name << "\n" << run.out;
        const bool refusedForPixbuf = run.out.find("gdk-pixbuf soubor odmítne") != std::string::npos;
        EXPECT_EQ(refusedForPixbuf, !PixbufLoads(path)) << c.name << "\n" << run.out;
    }
}

TEST(InfoCommand, ListsStepsAndFramesAndTakesTheWorstStatusOfSeveralFiles) {
    ScratchFolder folder;
    AnimationParts parts = ThreeFrames();
    parts.sequence = {{0, 2, 2, 1}};
    parts.rates = {3, 30, 7, 60};
    WriteAll(folder.path("good.ani"), EncodedAnimation(parts));
    const RunResult good = RunKurzory(folder, {"info", "good.ani"});
    EXPECT_EQ(good.status, 0) << good.out;
    for (const char* line : {"snímky: 3", "kroky: 4", "příznaky: 3", "krok 1: snímek 1, .05 s", "krok 2: snímek 3, .5 s",
                             "krok 3: snímek 3, 7/60 s", "krok 4: snímek 2, 1 s", "snímek 2: 16 × 16 bodů, aktivní bod 1, 2"})
        EXPECT_NE(good.out.find(line), std::string::npos) << line << "\n" << good.out;

    WriteAll(folder.path("sipka.cur"), PlainCursor(32));
    parts.riffSize = 7;
    WriteAll(folder.path("riff.ani"), EncodedAnimation(parts));
    WriteAll(folder.path("junk.ani"), {'R', 'I', 'F', 'F', 1, 0, 0, 0, 'A', 'C'});
    EXPECT_EQ(RunKurzory(folder, {"info", "sipka.cur", "good.ani"}).status, 0);
    EXPECT_EQ(RunKurzory(folder, {"info", "good.ani", "riff.ani"}).status, 1);
    const RunResult worst = RunKurzory(folder, {"info", "junk.ani", "good.ani", "missing.ani"});
    EXPECT_EQ(worst.status, 2);
    EXPECT_NE(worst.err.find("junk.ani"), std::string::npos);
    EXPECT_NE(worst.err.find("missing.ani"), std::string::npos);
    EXPECT_NE(worst.out.find("good.ani"), std::string::npos);
    const RunResult cursor = RunKurzory(folder, {"info", "sipka.cur"});
    EXPECT_NE(cursor.out.find("obrázek 1: 32 × 32 bodů"), std::string::npos) << cursor.out;
}

}  // namespace

namespace {

int ShellStatus(const std::string& command) {
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

}  // namespace

TEST(InfoCommand, ALostReportFailsAndNamesAreOneLine) {
    ScratchFolder folder;
    WriteAll(folder.path("kolo.ani"), EncodedAnimation(ThreeFrames()));
    const std::string info = Quote(KURZORY_BINARY) + " info " + Quote(folder.path("kolo.ani").string());
    EXPECT_EQ(ShellStatus(info + " > /dev/full 2>/dev/null"), 2);
    // The reader of the pipe is gone before the report is written.
    EXPECT_EQ(ShellStatus("{ sleep 0.2; " + info + " 2>/dev/null; echo $? > " + Quote(folder.path("status").string()) +
                          "; } | true"),
              0);
    const Bytes status = ReadAll(folder.path("status"));
    EXPECT_EQ(std::string(status.begin(), status.end()), "2\n");

    const std::string odd = "a\nb\x1b[2J.ani";
    WriteAll(folder.path(odd), Bytes{'R', 'I', 'F', 'F'});
    const RunResult run = RunKurzory(folder, {"info", odd});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "kurzory: a\\nb\\x1B[2J.ani: soubor není čitelný animovaný kurzor (chybí RIFF ACON nebo hlavička anih).\n");
}
