// kurzory as a user runs it, each against its reference in the same run:
// - `kurzory ani` of 200 frames of 256 KiB with 400 steps against `cat` of the frames followed
//   by `sync` of the output (counter ani_vs_cat_sync, goal <= 1.5);
// - the peak memory of `kurzory info` on a 50 MiB .ani against a 1 MiB one (counter
//   info_peak_50MiB_vs_1MiB, goal <= 1.1);
// - `kurzory info` on a small file against a process that links the same libraries and exits
//   (counter info_vs_bare_start, goal <= 1.5).
#include <benchmark/benchmark.h>

#include "run_program.h"

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "desktop/private_temp_folder.h"

namespace fs = std::filesystem;

namespace {

// A cursor file the frame picker takes, `length` bytes long.
void WriteFrame(const fs::path& path, std::size_t length, int seed) {
    std::vector<char> bytes(length);
    for (std::size_t b = 0; b < length; ++b) bytes[b] = static_cast<char>(seed * 31 + b * 7);
    const unsigned char header[6] = {0, 0, 2, 0, 1, 0};
    std::copy(std::begin(header), std::end(header), bytes.begin());
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class Files {
public:
    Files() {
        if (!folder_.isValid()) std::abort();
        for (int i = 0; i < 200; ++i) {
            frames_.push_back(path("frame" + std::to_string(i) + ".cur"));
            WriteFrame(frames_.back(), 256 * 1024, i);
        }
        MakeAni("1MiB.ani", 4, 256 * 1024);
        MakeAni("50MiB.ani", 50, 1024 * 1024);
        MakeAni("small.ani", 3, 2238);
    }
    const std::vector<std::string>& frames() const { return frames_; }
    std::string path(const std::string& name) const {
        return folder_.filePath(QString::fromStdString(name)).toStdString();
    }

private:
    void MakeAni(const std::string& name, int count, std::size_t frameBytes) {
        std::vector<std::string> words = {KURZORY_BINARY, "ani", "-o", path(name)};
        for (int i = 0; i < count; ++i) {
            words.push_back(path(name + std::to_string(i) + ".cur"));
            WriteFrame(words.back(), frameBytes, i);
        }
        if (!Run(words).ok) std::abort();
    }

    desktop::PrivateTempFolder folder_;
    std::vector<std::string> frames_;
};

Files& TheFiles() {
    static Files files;
    return files;
}

void BM_AniAgainstCatAndSync(benchmark::State& state) {
    Files& files = TheFiles();
    const std::string output = files.path("out.ani");
    std::vector<std::string> ani = {KURZORY_BINARY, "ani", "-o", output, "--sequence", "", "--times", ".5"};
    for (int step = 0; step < 400; ++step) ani[5] += (step ? "," : "") + std::to_string(step % 200 + 1);
    ani.insert(ani.end(), files.frames().begin(), files.frames().end());
    std::vector<std::string> cat = {"cat"};
    cat.insert(cat.end(), files.frames().begin(), files.frames().end());
    double kurzory = 0, reference = 0;
    for (auto _ : state) {
        fs::remove(output);
        const Finished written = Run(ani);
        fs::remove(output);
        const Finished copied = Run(cat, output);
        const Finished synced = Run({"sync", output});
        if (!written.ok || !copied.ok || !synced.ok) state.SkipWithError("a run failed");
        kurzory += written.seconds;
        reference += copied.seconds + synced.seconds;
    }
    state.counters["ani_vs_cat_sync"] = kurzory / reference;
    state.counters["ani_s"] = kurzory / static_cast<double>(state.iterations());
}

void BM_InfoPeakMemory(benchmark::State& state) {
    long large = 0, small = 0;
    for (auto _ : state) {
        const Finished big = Run({KURZORY_BINARY, "info", TheFiles().path("50MiB.ani")});
        const Finished little = Run({KURZORY_BINARY, "info", TheFiles().path("1MiB.ani")});
        if (!big.ok || !little.ok) state.SkipWithError("info failed");
        large = std::max(large, big.peakKiB);
        small = std::max(small, little.peakKiB);
    }
    state.counters["info_peak_50MiB_vs_1MiB"] = static_cast<double>(large) / static_cast<double>(small);
    state.counters["info_peak_50MiB_KiB"] = static_cast<double>(large);
}

void BM_InfoAgainstBareStart(benchmark::State& state) {
    double info = 0, bare = 0;
    for (auto _ : state) {
        const Finished inspected = Run({KURZORY_BINARY, "info", TheFiles().path("small.ani")});
        const Finished started = Run({KURZORY_BARE_BINARY});
        if (!inspected.ok || !started.ok) state.SkipWithError("a run failed");
        info += inspected.seconds;
        bare += started.seconds;
    }
    state.counters["info_vs_bare_start"] = info / bare;
    state.counters["info_ms"] = 1000 * info / static_cast<double>(state.iterations());
}

}  // namespace

BENCHMARK(BM_AniAgainstCatAndSync)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_InfoPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_InfoAgainstBareStart)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK_MAIN();
