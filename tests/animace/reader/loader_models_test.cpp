// The loader models on small files of the tests' own encoder. Each expectation is what the real
// loader did with the same file (scripts/loader-check plays such files in them); the comparison
// with the intended play is tested on its own.
#include <gtest/gtest.h>

#include <map>

#include "animace/reader/loader_verdicts.h"
#include "support/file_encoder.h"

using namespace animace;

namespace {

Bytes Frame(std::uint32_t argb) { return TestArgbCursor(32, 1, 2, [argb](int, int) { return argb; }); }

AnimationParts ThreeFrames() {
    AnimationParts parts;
    parts.frames = {Frame(0xFF2040C0), Frame(0xFF40C020), Frame(0xFFC02040)};
    parts.sequence = std::vector<std::uint32_t>{0, 1, 2};
    return parts;
}

std::string Word(Verdict verdict) {
    static const std::map<Verdict, std::string> words{{Verdict::Plays, "plays"},       {Verdict::Copes, "copes"},
                                                      {Verdict::Misplays, "misplays"}, {Verdict::Refuses, "refuses"},
                                                      {Verdict::Crashes, "crashes"}};
    return words.at(verdict);
}

// "wine gdk-pixbuf kde" verdict words for a file.
std::string Verdicts(const Bytes& bytes) {
    MemoryByteSource source(bytes);
    const FileVerdicts verdicts = JudgeAnimatedCursor(source, ReadAnimatedCursorLayout(source));
    if (!verdicts.readable) return "unreadable";
    return Word(verdicts.wine.verdict) + " " + Word(verdicts.gdkPixbuf.verdict) + " " + Word(verdicts.kde.verdict);
}

void PutU32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

struct ModelCase {
    std::string name;
    std::function<void(AnimationParts&)> change;
    std::string expected;
};

TEST(LoaderModels, GiveWhatTheRealLoadersDid) {
    const std::vector<ModelCase> cases = {
        {"clean", [](AnimationParts&) {}, "plays plays plays"},
        {"flags without the icon bit", [](AnimationParts& p) { p.flags = 2; }, "refuses plays plays"},
        {"sequence without its flag", [](AnimationParts& p) { p.flags = 1, p.sequence = {{2, 0, 1}}; },
         "copes misplays misplays"},
        {"flag without a sequence, more steps",
         [](AnimationParts& p) { p.sequence.reset(), p.rates = {6, 12, 18, 24, 30}; }, "copes misplays refuses"},
        {"a repeated frame keeps its first rate",
         [](AnimationParts& p) { p.sequence = {{0, 1, 0, 1}}, p.rates = {6, 12, 18, 24}; }, "misplays plays plays"},
        {"rate shorter than the steps", [](AnimationParts& p) { p.headerSteps = 3, p.rates = {6, 12}; },
         "misplays refuses refuses"},
        {"anih chunk of 40 bytes", [](AnimationParts& p) { p.headerChunkSize = 40; }, "copes copes refuses"},
        {"anih size field 0", [](AnimationParts& p) { p.headerSizeField = 0; }, "copes copes copes"},
        {"more frames declared than stored", [](AnimationParts& p) { p.headerFrames = 4; }, "crashes copes refuses"},
        {"sequence beyond the frames", [](AnimationParts& p) { p.sequence = {{0, 1, 3}}; }, "copes refuses misplays"},
        {"sequence starting at frame 2", [](AnimationParts& p) { p.sequence = {{1, 2, 0}}; }, "plays plays misplays"},
        {"odd middle frame with its pad byte", [](AnimationParts& p) { p.frames[1].push_back(7); },
         "crashes plays misplays"},
        {"RIFF size 0", [](AnimationParts& p) { p.riffSize = 0; }, "refuses refuses refuses"},
        {"RIFF size 0xFFFFFFFF", [](AnimationParts& p) { p.riffSize = 0xFFFFFFFF; }, "refuses refuses copes"},
        {"cut inside the last frame", [](AnimationParts& p) { p.cutFromEnd = 3000; }, "misplays misplays misplays"},
        {"every step of zero time", [](AnimationParts& p) { p.rates = {0, 0, 0}; }, "plays crashes plays"},
        {"LIST INFO before anih", [](AnimationParts& p) { p.infoBeforeHeader = true; }, "plays refuses plays"},
        // More steps than the models keep: compared on the first ones.
        {"3000 steps",
         [](AnimationParts& p) {
             p.sequence = std::vector<std::uint32_t>(3000);
             for (std::uint32_t i = 0; i < 3000; ++i) (*p.sequence)[i] = i % 3;
         },
         "plays refuses plays"},
    };
    for (const ModelCase& c : cases) {
        AnimationParts parts = ThreeFrames();
        c.change(parts);
        EXPECT_EQ(Verdicts(EncodedAnimation(parts)), c.expected) << c.name;
    }
}

TEST(LoaderModels, FollowTheBytesTheEncoderCannotGetWrongOnItsOwn) {
    const Bytes clean = EncodedAnimation(ThreeFrames());
    // An odd last frame without its pad byte plays everywhere.
    AnimationParts parts = ThreeFrames();
    parts.frames[2].push_back(7);
    Bytes unpadded = EncodedAnimation(parts);
    unpadded.pop_back();
    PutU32(unpadded, 4, static_cast<std::uint32_t>(unpadded.size() - 8));
    EXPECT_EQ(Verdicts(unpadded), "plays plays plays");
    // An odd middle frame without its pad: gdk-pixbuf reads the next id a byte late and loses it.
    parts = ThreeFrames();
    parts.frames[1].push_back(7);
    Bytes shifted = EncodedAnimation(parts);
    const std::size_t pad = 12 + 44 + 20 + 12 + 8 + parts.frames[0].size() + 8 + parts.frames[1].size();
    shifted.erase(shifted.begin() + static_cast<std::ptrdiff_t>(pad));
    PutU32(shifted, 4, static_cast<std::uint32_t>(shifted.size() - 8));
    EXPECT_EQ(Verdicts(shifted), "copes misplays copes");
    // Trailing bytes after the RIFF chunk: a trailing frame list is read by gdk-pixbuf alone.
    Bytes trailing = clean;
    for (char c : std::string("LIST\x04\0\0\0fram", 12)) trailing.push_back(static_cast<std::uint8_t>(c));
    EXPECT_EQ(Verdicts(trailing), "copes copes copes");
    trailing = clean;
    const Bytes extra = EncodedAnimation(ThreeFrames());
    trailing.insert(trailing.end(), extra.begin() + 12 + 44 + 20, extra.end());
    EXPECT_EQ(Verdicts(trailing), "copes refuses copes");
    // Cut inside "anih" every loader refuses it; cut before it, it is no animated cursor.
    EXPECT_EQ(Verdicts(Bytes(clean.begin(), clean.begin() + 30)), "refuses refuses refuses");
    EXPECT_EQ(Verdicts(Bytes(clean.begin(), clean.begin() + 16)), "unreadable");
}

TEST(LoaderModels, ComparePlaysWithTheIntendedOnesAsTheyLoop) {
    const std::vector<ReferenceStep> intended{{0, 100.0}, {1, 200.0}};
    EXPECT_TRUE(PlaysAsIntended({{0, 100}, {1, 200}}, intended));
    EXPECT_TRUE(PlaysAsIntended({{0, 100}, {1, 200}, {0, 100}, {1, 200}}, intended));
    EXPECT_TRUE(PlaysAsIntended({{0, 99.5}, {1, 200.9}}, intended));  // within 1.5 ms
    EXPECT_FALSE(PlaysAsIntended({{0, 100}, {1, 202}}, intended));
    EXPECT_FALSE(PlaysAsIntended({{1, 200}, {0, 100}}, intended));
    EXPECT_FALSE(PlaysAsIntended({{0, 100}, {1, 200}, {1, 200}}, intended));
    // Steps of zero time are left out on both sides; their frames do not count.
    EXPECT_TRUE(PlaysAsIntended({{0, 100}, {2, 0}, {1, 200}}, {{0, 100.0}, {1, 200.0}, {2, 0.0}}));
    // Rounding 7 jiffies (116.67 ms) down to whole milliseconds is the loader's own.
    EXPECT_TRUE(PlaysAsIntended({{0, 116}, {1, 116}}, {{0, 7000.0 / 60}, {1, 7000.0 / 60}}));
    // One frame throughout plays whatever the loader's steps and times.
    EXPECT_TRUE(PlaysAsIntended({{0, 0}}, {{0, 100.0}, {0, 300.0}}));
    EXPECT_FALSE(PlaysAsIntended({{0, 0}, {kOtherPicture, 0}}, {{0, 100.0}, {0, 300.0}}));
    // A frame the file leaves open is shown right by nobody; an open time by anyone.
    EXPECT_FALSE(PlaysAsIntended({{0, 100}, {1, 100}}, {{0, 100.0}, {std::nullopt, 100.0}}));
    EXPECT_TRUE(PlaysAsIntended({{0, 100}, {1, 12345}}, {{0, 100.0}, {1, std::nullopt}}));
}

TEST(LoaderModels, JudgeIconsAndCursors) {
    auto verdicts = [](const Bytes& bytes) {
        MemoryByteSource source(bytes);
        const FileVerdicts judged = JudgeIconFile(source);
        return Word(judged.wine.verdict) + " " + Word(judged.gdkPixbuf.verdict) + " " + Word(judged.kde.verdict);
    };
    const Bytes cursor = Frame(0xFF2040C0);
    EXPECT_EQ(verdicts(cursor), "plays plays plays");
    EXPECT_EQ(verdicts(Bytes{0, 0, 1, 0, 0, 0}), "refuses refuses refuses");
    // The mask cut off: only Wine wants it; the colours cut off: gdk-pixbuf shows what is left.
    EXPECT_EQ(verdicts(Bytes(cursor.begin(), cursor.end() - 40)), "refuses plays plays");
    EXPECT_EQ(verdicts(Bytes(cursor.begin(), cursor.end() - 3000)), "refuses misplays refuses");
    Bytes compressed = cursor;
    const Bytes signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::copy(signature.begin(), signature.end(), compressed.begin() + 22);
    EXPECT_EQ(verdicts(compressed), "plays refuses plays");
}

}  // namespace
