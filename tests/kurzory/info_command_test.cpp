// kurzory info on animated cursors made by the tests' own encoder: every loader gets its verdict,
// in text and JSON, the status follows the worst, and gdk-pixbuf's verdicts agree with gdk-pixbuf.
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

// gdk-pixbuf's own verdict, in a child process: for some broken files it aborts on an assertion,
// while loading or when the animation first moves on, instead of reporting an error.
bool PixbufLoads(const std::filesystem::path& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (std::freopen("/dev/null", "w", stderr) == nullptr) ::_exit(2);
        GError* error = nullptr;
        GdkPixbufAnimation* animation = gdk_pixbuf_animation_new_from_file(path.c_str(), &error);
        if (animation == nullptr || error != nullptr) ::_exit(1);
        G_GNUC_BEGIN_IGNORE_DEPRECATIONS
        GTimeVal time{0, 0};
        GdkPixbufAnimationIter* iter = gdk_pixbuf_animation_get_iter(animation, &time);
        time.tv_sec = 10;
        gdk_pixbuf_animation_iter_advance(iter, &time);
        G_GNUC_END_IGNORE_DEPRECATIONS
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct VerdictCase {
    std::string name;
    AnimationParts parts;
    std::string verdicts;  // wine, gdk-pixbuf, kde
    int status;
};

std::vector<VerdictCase> VerdictCases() {
    std::vector<VerdictCase> cases;
    auto add = [&](std::string name, auto change, std::string verdicts, int status) {
        AnimationParts parts = ThreeFrames();
        change(parts);
        cases.push_back({std::move(name), std::move(parts), std::move(verdicts), status});
    };
    add("clean", [](AnimationParts&) {}, "plays plays plays", 0);
    add("header size field", [](AnimationParts& p) { p.headerSizeField = 40; }, "copes copes copes", 1);
    add("no sequence bit, order changed", [](AnimationParts& p) { p.flags = 1, p.sequence = {{0, 2, 1}}; },
        "copes misplays misplays", 2);
    add("no frames", [](AnimationParts& p) { p.headerFrames = 0; }, "misplays refuses refuses", 2);
    add("1024 steps",
        [](AnimationParts& p) {
            p.rates.assign(1024, 6);
            p.sequence = std::vector<std::uint32_t>(1024, 0);
            for (std::size_t i = 0; i < 1024; ++i) (*p.sequence)[i] = static_cast<std::uint32_t>(i % 3);
        },
        "plays refuses plays", 2);
    // Wine copies 36 bytes anyway: its flags are the next chunk's id, "rate", without bit 0.
    add("header chunk", [](AnimationParts& p) { p.headerChunkSize = 32; }, "refuses refuses refuses", 2);
    add("more frames declared", [](AnimationParts& p) { p.headerFrames = 4; }, "crashes copes refuses", 2);
    add("cut short", [](AnimationParts& p) { p.cutFromEnd = 3; }, "copes copes copes", 1);
    add("seq size", [](AnimationParts& p) { p.sequence = {{0, 1, 2, 0}}, p.headerSteps = 3; }, "copes refuses refuses", 2);
    add("zero times", [](AnimationParts& p) { p.rates = {0, 0, 0}; }, "plays crashes plays", 2);
    return cases;
}

// The verdict word `info --json` gives `loader`.
std::string VerdictIn(const std::string& json, const std::string& loader) {
    const std::string key = "\"" + loader + "\": {\"verdict\": \"";
    const std::size_t at = json.find(key);
    if (at == std::string::npos) return "?";
    const std::size_t begin = at + key.size();
    return json.substr(begin, json.find('"', begin) - begin);
}

TEST(InfoCommand, GivesEachLoadersVerdictAndAgreesWithGdkPixbuf) {
    ScratchFolder folder;
    for (const VerdictCase& c : VerdictCases()) {
        const auto path = folder.path("case.ani");
        WriteAll(path, EncodedAnimation(c.parts));
        const RunResult run = RunKurzory(folder, {"info", "--json", "case.ani"});
        EXPECT_EQ(run.status, c.status) << c.name << "\n" << run.out << run.err;
        EXPECT_EQ(VerdictIn(run.out, "wine") + " " + VerdictIn(run.out, "gdk-pixbuf") + " " + VerdictIn(run.out, "kde"),
                  c.verdicts)
            << c.name << "\n" << run.out;
        EXPECT_NE(run.out.find("\"status\": " + std::to_string(c.status)), std::string::npos) << run.out;
        const std::string pixbuf = VerdictIn(run.out, "gdk-pixbuf");
        EXPECT_EQ(pixbuf == "refuses" || pixbuf == "crashes", !PixbufLoads(path)) << c.name << "\n" << run.out;
        // The text report names every loader with the same verdict.
        const RunResult text = RunKurzory(folder, {"info", "case.ani"});
        EXPECT_NE(text.out.find("gdk-pixbuf: "), std::string::npos) << text.out;
        EXPECT_NE(text.out.find("(" + pixbuf + ")"), std::string::npos) << text.out;
    }
}

TEST(InfoCommand, WritesOneJsonObjectPerFileEvenForUnreadableOnes) {
    ScratchFolder folder;
    AnimationParts parts = ThreeFrames();
    parts.rates = {3, 30, 7};
    WriteAll(folder.path("a \"b\"\xff.ani"), EncodedAnimation(parts));
    WriteAll(folder.path("junk.ani"), {'R', 'I', 'F', 'F', 1, 0, 0, 0, 'A', 'C'});
    WriteAll(folder.path("sipka.cur"), PlainCursor(32));
    const RunResult run = RunKurzory(folder, {"info", "--json", "a \"b\"\xff.ani", "junk.ani", "sipka.cur"});
    EXPECT_EQ(run.status, 2);
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < run.out.size();) {
        const std::size_t end = run.out.find('\n', at);
        lines.push_back(run.out.substr(at, end - at));
        at = end + 1;
    }
    ASSERT_EQ(lines.size(), 3u) << run.out;
    EXPECT_EQ(lines[0].rfind("{\"file\": \"a \\\"b\\\"\\ufffd.ani\", \"kind\": \"ani\", \"readable\": true", 0), 0u) << lines[0];
    for (const char* part : {"\"status\": 0", "\"declared_steps\": 3", "\"problems\": []",
                             "\"steps\": [{\"frame\": 1, \"jiffies\": 3}, {\"frame\": 2, \"jiffies\": 30}"})
        EXPECT_NE(lines[0].find(part), std::string::npos) << part << "\n" << lines[0];
    EXPECT_NE(lines[1].find("\"readable\": false"), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find("\"status\": 2"), std::string::npos) << lines[1];
    EXPECT_NE(run.err.find("junk.ani"), std::string::npos) << run.err;
    EXPECT_NE(lines[2].find("\"kind\": \"cur\""), std::string::npos) << lines[2];
    EXPECT_NE(lines[2].find("\"images\": [{\"width\": 32, \"height\": 32"), std::string::npos) << lines[2];
}

TEST(InfoCommand, ListsStepsAndFramesAndTakesTheWorstStatusOfSeveralFiles) {
    ScratchFolder folder;
    AnimationParts parts = ThreeFrames();
    parts.sequence = {{0, 2, 1, 0}};
    parts.rates = {7, 30, 60, 7};
    WriteAll(folder.path("good.ani"), EncodedAnimation(parts));
    const RunResult good = RunKurzory(folder, {"info", "good.ani"});
    EXPECT_EQ(good.status, 0) << good.out;
    for (const char* line : {"snímky: 3", "kroky: 4", "příznaky: 3", "krok 1: snímek 1, 7/60 s", "krok 2: snímek 3, .5 s",
                             "krok 3: snímek 2, 1 s", "krok 4: snímek 1, 7/60 s", "snímek 2: 16 × 16 bodů, aktivní bod 1, 2"})
        EXPECT_NE(good.out.find(line), std::string::npos) << line << "\n" << good.out;

    WriteAll(folder.path("sipka.cur"), PlainCursor(32));
    parts.riffSize = 100000;
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
