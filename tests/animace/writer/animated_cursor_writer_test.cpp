#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <sys/stat.h>

#include "iconfile/folder_separator.h"
#include "iconfile/little_endian.h"
#include "support/scripted_file_operations.h"
#include "writer_files.h"

using namespace animace;
using iconfile::SystemFileOperations;
namespace fs = std::filesystem;

namespace {

std::uint32_t U32At(const Bytes& bytes, std::size_t at) { return iconfile::ReadU32(bytes, at); }
std::string TextAt(const Bytes& bytes, std::size_t at, std::size_t count) {
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                       bytes.begin() + static_cast<std::ptrdiff_t>(at + count));
}

// Frame files A, B, ... in a scratch folder, and the animation that shows them.
struct FrameFiles {
    ScratchFolder folder;
    animace::Animation input;
    std::vector<Bytes> contents;
    std::string output = folder.path("out.ani").string();

    // `frameOfStep` holds frame indexes from 0, `times` the steps' twentieths.
    FrameFiles(const std::vector<std::size_t>& lengths, const std::vector<int>& frameOfStep, const std::vector<int>& times) {
        for (std::size_t i = 0; i < lengths.size(); ++i) {
            contents.push_back(Pattern(lengths[i], static_cast<std::uint8_t>(17 * i + 1)));
            const fs::path path = folder.path(std::string(1, static_cast<char>('A' + i)) + ".cur");
            WriteAll(path, contents.back());
            input.frames.push_back(path.string());
        }
        for (std::size_t step = 0; step < frameOfStep.size(); ++step)
            input.steps.push_back({frameOfStep[step], times.at(step)});
    }
    WriteOutcome write(User& user, iconfile::FileOperations& files) {
        return WriteAnimatedCursor(input, output, user.overwrite(), user.retry(), files);
    }
    WriteOutcome write(User& user) {
        SystemFileOperations files;
        return write(user, files);
    }
    Bytes written() const { return ReadAll(output); }
    // The frames and the output, nothing else: no temporary file stays behind.
    std::size_t files() const { return FilesIn(folder.root()); }
};

}  // namespace

TEST(LongToBytes, LittleEndianWithinTheSignedRangeOnly) {
    EXPECT_EQ(LongToBytes(36), (std::array<std::uint8_t, 4>{0x24, 0, 0, 0}));
    EXPECT_EQ(LongToBytes(768), (std::array<std::uint8_t, 4>{0, 3, 0, 0}));
    EXPECT_EQ(LongToBytes(0x01020304), (std::array<std::uint8_t, 4>{4, 3, 2, 1}));
    EXPECT_EQ(LongToBytes(2147483647), (std::array<std::uint8_t, 4>{0xFF, 0xFF, 0xFF, 0x7F}));
    EXPECT_FALSE(LongToBytes(-1));
    EXPECT_FALSE(LongToBytes(2147483648LL)) << "never a wrapped number";
    EXPECT_FALSE(LongToBytes(4294967296LL + 36));
}

TEST(NameRules, NameGetsTheExtensionUnlessItsFourthLastCharacterIsADot) {
    EXPECT_EQ(NormalizeOutputName("animace"), "animace.ani");
    EXPECT_EQ(NormalizeOutputName("abc"), "abc.ani");
    EXPECT_EQ(NormalizeOutputName(""), ".ani");
    EXPECT_EQ(NormalizeOutputName("abcd"), "abcd.ani");
    EXPECT_EQ(NormalizeOutputName("my.anim"), "my.anim.ani");
    EXPECT_EQ(NormalizeOutputName("x.cur"), "x.cur");
    EXPECT_EQ(NormalizeOutputName("ANIMACE.ANI"), "ANIMACE.ANI");
    EXPECT_EQ(NormalizeOutputName(".ani"), ".ani");
    // Characters, not bytes: "č" is two bytes in UTF-8.
    EXPECT_EQ(NormalizeOutputName("ko.čř"), "ko.čř.ani");
    EXPECT_EQ(NormalizeOutputName("kůň.čřž"), "kůň.čřž");
    EXPECT_EQ(NormalizeOutputName("čá"), "čá.ani");
}

TEST(NameRules, FolderGetsOneTrailingSeparator) {
    const std::string sep(1, iconfile::kFolderSeparator);
    EXPECT_EQ(NormalizeOutputFolder(sep + "home" + sep + "kurzory"), sep + "home" + sep + "kurzory" + sep);
    EXPECT_EQ(NormalizeOutputFolder(sep), sep);
    EXPECT_EQ(NormalizeOutputFolder(sep + "tmp" + sep), sep + "tmp" + sep);
    EXPECT_EQ(NormalizeOutputFolder(""), "");
}

TEST(WriteAnimatedCursor, WorkedExampleByteForByte) {
    FrameFiles a({326, 326}, {0, 1, 0}, {20, 10, 20});
    User user;
    ASSERT_EQ(a.write(user), WriteOutcome::Written);
    const Bytes file = a.written();
    ASSERT_EQ(file.size(), 776u);
    EXPECT_EQ(TextAt(file, 0, 4), "RIFF");
    EXPECT_EQ(U32At(file, 4), 768u);
    EXPECT_EQ(TextAt(file, 8, 8), "ACONanih");
    const std::uint32_t header[] = {36, 36, 2, 3, 0, 0, 0, 0, 14, 3};
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(U32At(file, 16 + 4 * i), header[i]) << "header field " << i;
    EXPECT_EQ(U32At(file, 52), 3u) << "icon frames, sequenced";
    EXPECT_EQ(TextAt(file, 56, 4), "rate");
    EXPECT_EQ(U32At(file, 60), 12u);
    EXPECT_EQ(U32At(file, 64), 60u);
    EXPECT_EQ(U32At(file, 68), 30u);
    EXPECT_EQ(U32At(file, 72), 60u);
    EXPECT_EQ(TextAt(file, 76, 4), "seq ");
    EXPECT_EQ(U32At(file, 80), 12u);
    EXPECT_EQ(U32At(file, 84), 0u);
    EXPECT_EQ(U32At(file, 88), 1u);
    EXPECT_EQ(U32At(file, 92), 0u);
    EXPECT_EQ(TextAt(file, 96, 4), "LIST");
    EXPECT_EQ(U32At(file, 100), 672u);
    EXPECT_EQ(TextAt(file, 104, 8), "framicon");
    EXPECT_EQ(U32At(file, 112), 326u);
    EXPECT_EQ(Bytes(file.begin() + 116, file.begin() + 442), a.contents[0]);
    EXPECT_EQ(TextAt(file, 442, 4), "icon");
    EXPECT_EQ(U32At(file, 446), 326u);
    EXPECT_EQ(Bytes(file.begin() + 450, file.end()), a.contents[1]);
    EXPECT_EQ(user.overwriteQuestions, 0);
    EXPECT_TRUE(user.failures.empty());
}

TEST(WriteAnimatedCursor, EveryPickedFrameIsStoredOnceWhateverTheSequence) {
    // Frame 2 at three steps, frames 1 and 3 at none; the odd frame gets a 0 inside its chunk.
    FrameFiles a({11, 0, 40}, {1, 1, 1}, {1, 20, 40});
    User user;
    ASSERT_EQ(a.write(user), WriteOutcome::Written);
    const Bytes file = a.written();
    EXPECT_EQ(file, ExpectedAnimation(a.contents, {1, 1, 1}, {3, 60, 120}));
    ASSERT_EQ(file.size(), 84u + 24 + (8 + 12) + 8 + (8 + 40));
    EXPECT_EQ(U32At(file, 112), 12u) << "chunk length L + 1";
    EXPECT_EQ(Bytes(file.begin() + 116, file.begin() + 127), a.contents[0]) << "the cursor's own bytes unchanged";
    EXPECT_EQ(file[127], 0);
    EXPECT_EQ(TextAt(file, 128, 4), "icon");
}

TEST(WriteAnimatedCursor, ExistingFilesAreReplacedOnlyWhenEmptyOrAgreed) {
    FrameFiles a({5, 6}, {0, 1}, {20, 20});
    const Bytes expected = ExpectedAnimation(a.contents, {0, 1}, {60, 60});

    WriteAll(a.output, Bytes{});
    User silent;
    EXPECT_EQ(a.write(silent), WriteOutcome::Written);
    EXPECT_EQ(silent.overwriteQuestions, 0) << "an empty file is used without asking";
    EXPECT_EQ(a.written(), expected);

    const Bytes old = Pattern(5000, 9);
    WriteAll(a.output, old);
    User declines;
    EXPECT_EQ(a.write(declines), WriteOutcome::NotOverwritten);
    EXPECT_EQ(declines.overwriteQuestions, 1);
    EXPECT_EQ(a.written(), old);

    User agrees;
    agrees.overwriteAnswers = {OverwriteAnswer::Yes};
    EXPECT_EQ(a.write(agrees), WriteOutcome::Written);
    EXPECT_EQ(a.written(), expected) << "the longer old file is not left over at the end";
}

TEST(WriteAnimatedCursor, MissingFrameStopsBeforeItsChunkRetryContinuesCancelLeavesTheOldFile) {
    FrameFiles a({30, 31, 32}, {2, 0}, {20, 10});
    const Bytes complete = ExpectedAnimation(a.contents, {2, 0}, {60, 30});
    fs::remove(a.input.frames[1]);

    User cancels;
    EXPECT_EQ(a.write(cancels), WriteOutcome::Cancelled);
    ASSERT_EQ(cancels.failures.size(), 1u);
    EXPECT_EQ(cancels.failures[0].outputPath, a.output);
    EXPECT_EQ(cancels.failures[0].frameLine, a.input.frames[1]);
    EXPECT_EQ(cancels.failures[0].failure, "Soubor nebo složka neexistuje");
    EXPECT_FALSE(fs::exists(a.output)) << "no partial file where there was none";
    EXPECT_EQ(a.files(), 2u);

    const Bytes old = Pattern(777, 5);
    WriteAll(a.output, old);
    User agreesThenCancels;
    agreesThenCancels.overwriteAnswers = {OverwriteAnswer::Yes};
    EXPECT_EQ(a.write(agreesThenCancels), WriteOutcome::Cancelled);
    EXPECT_EQ(a.written(), old) << "the earlier file is intact";
    EXPECT_EQ(a.files(), 3u);

    User restores;
    restores.overwriteAnswers = {OverwriteAnswer::Yes};
    restores.failureAnswers = {FailureAnswer::Retry};
    restores.beforeAnswer = [&] { WriteAll(a.input.frames[1], a.contents[1]); };
    EXPECT_EQ(a.write(restores), WriteOutcome::Written);
    EXPECT_EQ(restores.failures.size(), 1u);
    EXPECT_EQ(a.written(), complete);
    EXPECT_EQ(a.files(), 4u);
}

TEST(WriteAnimatedCursor, FailureInTheMiddleBlockOfALargeFrameIsRetriedAtItsOffset) {
    const std::size_t big = 2 * 1024 * 1024 + 4097;
    FrameFiles a({7, big}, {1, 0}, {20, 20});
    const Bytes complete = ExpectedAnimation(a.contents, {1, 0}, {60, 60});
    const std::size_t bigDataAt = 84 + 16 + 8 + 8 + 8;
    for (const std::string& failing : {std::string("read 1048576"), "write " + std::to_string(bigDataAt + 1048576)}) {
        fs::remove(a.output);
        SystemFileOperations real;
        ScriptedFileOperations files(real);
        files.failMatching = failing;
        files.matchingFailures = 2;
        files.partialWrites = true;
        User user;
        user.failureAnswers = {FailureAnswer::Retry, FailureAnswer::Retry};
        EXPECT_EQ(a.write(user, files), WriteOutcome::Written) << failing;
        EXPECT_EQ(user.failures.size(), 2u);
        EXPECT_EQ(user.failures.at(0).frameLine, a.input.frames[1]);
        EXPECT_EQ(a.written(), complete) << failing;
        // The retried call is the same call again, at the same offset.
        const auto at = std::find(files.log.begin(), files.log.end(), failing);
        ASSERT_NE(at, files.log.end());
        EXPECT_EQ(*(at + 1), failing);
        EXPECT_EQ(*(at + 2), failing);
    }
}

TEST(WriteAnimatedCursor, FullDiskKeepsTheOldFileUntilSpaceIsBack) {
    FrameFiles a({300, 301}, {0, 1, 0}, {4, 5, 6});
    const Bytes complete = ExpectedAnimation(a.contents, {0, 1, 0}, {12, 15, 18});
    const Bytes old = Pattern(4608, 1);
    for (FailureAnswer answer : {FailureAnswer::Cancel, FailureAnswer::Retry}) {
        WriteAll(a.output, old);
        SystemFileOperations real;
        ScriptedFileOperations files(real);
        files.failMatching = "write " + std::to_string(84 + 24 + 8 + 300 + 8);  // the second frame's bytes
        files.matchingFailures = 1;
        files.partialWrites = true;
        files.failErrno = ENOSPC;
        User user;
        user.overwriteAnswers = {OverwriteAnswer::Yes};
        user.failureAnswers = {answer};
        user.beforeAnswer = [&] { EXPECT_EQ(a.written(), old) << "nothing replaced while the user decides"; };
        EXPECT_EQ(a.write(user, files), answer == FailureAnswer::Retry ? WriteOutcome::Written : WriteOutcome::Cancelled);
        ASSERT_EQ(user.failures.size(), 1u);
        EXPECT_EQ(user.failures[0].failure, "Na zařízení nezbývá místo");
        EXPECT_EQ(user.failures[0].outputPath, a.output);
        EXPECT_EQ(a.written(), answer == FailureAnswer::Retry ? complete : old);
        EXPECT_EQ(a.files(), 3u) << "no temporary file stays behind";
    }
}

TEST(WriteAnimatedCursor, AFailureWhileAFrameIsCopiedNamesThatFrame) {
    FrameFiles a({4, 6, 8}, {2, 0, 1}, {20, 20, 20});
    const auto failuresWhen = [&](const std::string& entry) {
        fs::remove(a.output);
        SystemFileOperations real;
        ScriptedFileOperations files(real);
        files.failMatching = entry;
        files.matchingFailures = 1;
        User user;
        EXPECT_EQ(a.write(user, files), WriteOutcome::Cancelled) << entry;
        EXPECT_EQ(a.files(), 3u) << entry << ": no temporary file stays behind";
        EXPECT_EQ(user.failures.size(), 1u) << entry;
        for (const auto& failure : user.failures) EXPECT_EQ(failure.outputPath, a.output) << entry;
        return user.failures;
    };
    for (const std::string& frame : a.input.frames) {
        const auto failures = failuresWhen("open-read " + frame);
        ASSERT_FALSE(failures.empty()) << frame;
        EXPECT_EQ(failures[0].frameLine, frame);
    }
    // A failure outside the frames is reported with the output too; the frame line it shows
    // then is no promise.
    for (const char* entry : {"create", "write 4", "rename"}) failuresWhen(entry);
}

TEST(WriteAnimatedCursor, BadNumbersFailOnEveryRetryAndLeaveNoFile) {
    for (const int entry : {-1, 2, -2147483647 - 1}) {
        FrameFiles a({4, 4}, {0, entry}, {20, 20});
        User user;
        user.failureAnswers = {FailureAnswer::Retry, FailureAnswer::Retry};
        EXPECT_EQ(a.write(user), WriteOutcome::Cancelled) << entry;
        EXPECT_EQ(user.failures.size(), 3u) << entry;
        EXPECT_EQ(a.files(), 2u) << entry;
    }
    FrameFiles negativeTime({4}, {0}, {-2});
    User user;
    EXPECT_EQ(negativeTime.write(user), WriteOutcome::Cancelled);
    EXPECT_FALSE(fs::exists(negativeTime.output));
}

TEST(WriteAnimatedCursor, FailedFlushOrCloseStartsTheTemporaryFileAgain) {
    FrameFiles a({5, 4}, {0, 1}, {20, 20});
    const Bytes complete = ExpectedAnimation(a.contents, {0, 1}, {60, 60});
    for (const char* step : {"sync", "close"}) {
        fs::remove(a.output);
        SystemFileOperations probeFiles;
        ScriptedFileOperations probe(probeFiles);
        User probeUser;
        ASSERT_EQ(a.write(probeUser, probe), WriteOutcome::Written);
        fs::remove(a.output);
        // The output's flush and close are the last of their kind, after the frames' closes.
        const auto last = std::find(probe.log.rbegin(), probe.log.rend(), step);
        SystemFileOperations real;
        ScriptedFileOperations files(real);
        files.failFrom = static_cast<std::size_t>(probe.log.rend() - last);
        User user;
        user.failureAnswers = {FailureAnswer::Retry};
        EXPECT_EQ(a.write(user, files), WriteOutcome::Written) << step;
        EXPECT_EQ(a.written(), complete) << step;
        EXPECT_EQ(a.files(), 3u) << step;
        const auto creates = std::count_if(files.log.begin(), files.log.end(),
                                           [](const std::string& entry) { return entry.starts_with("create "); });
        EXPECT_GE(creates, 2) << step << ": a retry writes a new temporary file from the start";
    }
}

TEST(WriteAnimatedCursor, ReplacesThroughATemporaryFileFlushedBeforeAndAfterTheRename) {
    FrameFiles a({3}, {0}, {20});
    WriteAll(a.output, Bytes{});
    SystemFileOperations real;
    ScriptedFileOperations files(real);
    User user;
    ASSERT_EQ(a.write(user, files), WriteOutcome::Written);
    EXPECT_EQ(user.overwriteQuestions, 0);
    const std::string frame = a.input.frames[0];
    const std::string temporary = a.folder.path(".out.ani.part").string();
    std::vector<std::string> expected = {"open-update " + a.output, "close", "create " + temporary, "permissions",
                                         "write 0"};
    for (int at = 16; at < 56; at += 4) expected.push_back("write " + std::to_string(at));
    for (int at : {56, 60, 64, 68, 72, 76, 80}) expected.push_back("write " + std::to_string(at));
    expected.insert(expected.end(), {"open-read " + frame, "close", "open-read " + frame, "length", "write 92",
                                     "write 96", "read 0", "write 100", "close", "write 103", "write 84", "write 4",
                                     "sync", "close", "rename " + a.output,
                                     "sync-folder " + a.folder.root().string()});
    EXPECT_EQ(files.steps(), expected);
}

TEST(WriteAnimatedCursor, ReplacesALinkNotItsTargetAndNamesTheFileThatFailed) {
    FrameFiles a({6}, {0}, {20});
    const std::string target = a.folder.path("target.ani").string();
    WriteAll(target, Bytes{4});
    fs::create_symlink(target, a.output);
    User user;
    ASSERT_EQ(a.write(user), WriteOutcome::Written);
    EXPECT_FALSE(fs::is_symlink(fs::symlink_status(a.output)));
    EXPECT_EQ(a.written(), ExpectedAnimation(a.contents, {0}, {60}));
    EXPECT_EQ(ReadAll(target), Bytes{4});

    // A frame that fails to open is named, a failed write names the output, not its temporary file.
    for (const std::string& failing : {"open-read " + a.input.frames[0], std::string("write 100")}) {
        SystemFileOperations real;
        ScriptedFileOperations files(real);
        files.failMatching = failing;
        files.matchingFailures = 1;
        User cancels;
        cancels.overwriteAnswers = {OverwriteAnswer::Yes};
        std::string failedFile;
        EXPECT_EQ(WriteAnimatedCursor(a.input, a.output, cancels.overwrite(), cancels.retry(), files, &failedFile),
                  WriteOutcome::Cancelled);
        EXPECT_EQ(failedFile, failing.starts_with("open-read") ? a.input.frames[0] : a.output);
    }
}

TEST(WriteAnimatedCursor, OutputThatCannotBeReplacedFailsAtTheFirstOperation) {
    FrameFiles a({4}, {0}, {20});
    ASSERT_EQ(::mkfifo(a.output.c_str(), 0600), 0);
    User fifo;
    EXPECT_EQ(a.write(fifo), WriteOutcome::Cancelled);
    ASSERT_EQ(fifo.failures.size(), 1u);
    EXPECT_EQ(fifo.failures[0].failure, "Není to obyčejný soubor");
    fs::remove(a.output);

    fs::create_directory(a.output);
    User folder;
    EXPECT_EQ(a.write(folder), WriteOutcome::Cancelled);
    EXPECT_EQ(folder.failures.at(0).failure, "Je to složka");
    fs::remove(a.output);

    // Read-only, whoever runs the test: the system's answer is scripted.
    WriteAll(a.output, Bytes{1, 2});
    SystemFileOperations real;
    ScriptedFileOperations files(real);
    files.failMatching = "open-update";
    files.matchingFailures = 1;
    files.failErrno = EACCES;
    User readOnly;
    EXPECT_EQ(a.write(readOnly, files), WriteOutcome::Cancelled);
    EXPECT_EQ(readOnly.failures.at(0).failure, "Přístup odepřen");
    EXPECT_EQ(readOnly.overwriteQuestions, 0);
    EXPECT_EQ(files.log.size(), 1u);
    EXPECT_EQ(a.written(), (Bytes{1, 2}));
    EXPECT_EQ(a.files(), 2u);
}

TEST(WriteAnimatedCursor, RefusesAFrameThatIsTheOutputOrToExceedTheLongRange) {
    FrameFiles a({20, 20}, {0, 1}, {20, 20});
    const std::string alias = a.folder.path("alias.ani").string();
    fs::create_hard_link(a.input.frames[1], alias);
    User user;
    user.overwriteAnswers = {OverwriteAnswer::Yes};
    EXPECT_EQ(WriteAnimatedCursor(a.input, alias, user.overwrite(), user.retry()), WriteOutcome::OutputIsFrame);
    EXPECT_EQ(user.overwriteQuestions, 0);
    EXPECT_EQ(ReadAll(a.input.frames[1]), a.contents[1]);

    // A frame that names the output before it exists, spelled another way.
    animace::Animation self = a.input;
    self.frames.push_back((a.folder.root() / "." / "out.ani").string());
    EXPECT_EQ(WriteAnimatedCursor(self, a.output, user.overwrite(), user.retry()), WriteOutcome::OutputIsFrame);
    EXPECT_FALSE(fs::exists(a.output));

    // A sparse frame just large enough to push the file over 2147483647 bytes.
    const fs::path huge = a.folder.path("huge.cur");
    WriteAll(huge, Bytes{});
    const std::uintmax_t fits = 2147483647ULL - 84 - 16 - 3 * 8 - 20 - 20 - 1;
    fs::resize_file(huge, fits + 2);
    a.input.frames.push_back(huge.string());
    EXPECT_EQ(a.write(user), WriteOutcome::TooLarge);
    EXPECT_FALSE(fs::exists(a.output)) << "refused before any file is touched";
    SystemFileOperations real;
    fs::resize_file(huge, fits + 1);
    EXPECT_EQ(ExpectedFileLength(a.input, real), 2147483648LL) << "the pad byte of an odd frame counts";
    fs::resize_file(huge, fits);
    EXPECT_EQ(ExpectedFileLength(a.input, real), 2147483646LL);
}

TEST(SystemFileOperations, OpensOnlyRegularFilesNeverTruncatesAndFailsShortReads) {
    ScratchFolder folder;
    SystemFileOperations files;
    iconfile::FileHandle handle = 0;
    const std::string existing = folder.path("old.ani").string();
    WriteAll(existing, Pattern(10, 3));
    ASSERT_TRUE(files.OpenForUpdate(existing, handle).succeeded());
    std::int64_t length = 0;
    EXPECT_TRUE(files.Length(handle, length).succeeded());
    EXPECT_EQ(length, 10) << "opening for update keeps the old bytes";
    std::array<std::uint8_t, 8> block{};
    EXPECT_TRUE(files.ReadAt(handle, 0, block).succeeded());
    EXPECT_EQ(files.ReadAt(handle, 5, block).reason(), "Chyba vstupu/výstupu") << "a short read is a failure";
    EXPECT_TRUE(files.Close(handle).succeeded());
    EXPECT_EQ(ReadAll(existing), Pattern(10, 3));

    ASSERT_EQ(::mkfifo(folder.path("pipe.cur").c_str(), 0600), 0);
    fs::create_directory(folder.path("dir.cur"));
    const std::pair<const char*, const char*> refusals[] = {
        {"pipe.cur", "Není to obyčejný soubor"}, {"dir.cur", "Je to složka"}, {"missing.cur", "Soubor nebo složka neexistuje"}};
    for (const auto& [name, reason] : refusals) {
        const iconfile::FileOutcome opened = files.OpenForReading(folder.path(name).string(), handle);
        EXPECT_EQ(opened.reason(), reason) << name << " must fail, not block";
        EXPECT_EQ(opened.path(), folder.path(name).string());
    }
    EXPECT_EQ(files.OpenForUpdate(folder.path("pipe.cur").string(), handle).reason(), "Není to obyčejný soubor");
    EXPECT_FALSE(files.OpenForUpdate(folder.path("dir.cur").string(), handle).succeeded());
    EXPECT_FALSE(files.Close(12345).succeeded());
}

TEST(WriteAnimatedCursor, WritesTheCommittedWorkedExampleFromItsTwoCursors) {
    const Bytes first = ReadAll(TestData("worked_example_1.cur")), second = ReadAll(TestData("worked_example_2.cur"));
    const Bytes fixture = ReadAll(TestData("worked_example.ani"));
    // The fixture itself holds the figures of the worked example.
    ASSERT_EQ(first.size(), 326u);
    ASSERT_EQ(second.size(), 326u);
    ASSERT_EQ(fixture.size(), 776u);
    EXPECT_EQ(U32At(fixture, 4), 768u);
    EXPECT_EQ(U32At(fixture, 100), 672u);
    EXPECT_EQ(fixture, ExpectedAnimation({first, second}, {0, 1, 0}, {60, 30, 60}));

    ScratchFolder folder;
    animace::Animation input;
    input.frames = {TestData("worked_example_1.cur").string(), TestData("worked_example_2.cur").string()};
    input.steps = {{0, 20}, {1, 10}, {0, 20}};
    User user;
    ASSERT_EQ(WriteAnimatedCursor(input, folder.path("a.ani").string(), user.overwrite(), user.retry()),
              WriteOutcome::Written);
    EXPECT_EQ(ReadAll(folder.path("a.ani")), fixture);
}
