// Writing a large animation compared with concatenating the same frame files (what `cat` does),
// and the writer's peak memory for few, many and very large frames.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "animace/writer/animated_cursor_writer.h"
#include "desktop/private_temp_folder.h"

namespace fs = std::filesystem;

#include "heap_counter.h"

namespace {

constexpr std::size_t kFrameBytes = 256 * 1024;

// Frame files in a private folder, made once for the whole run.
class Frames {
public:
    Frames() {
        if (!folder_.isValid()) std::abort();
        std::vector<char> bytes(kFrameBytes);
        for (int i = 0; i < 200; ++i) {
            for (std::size_t b = 0; b < bytes.size(); ++b) bytes[b] = static_cast<char>(i * 31 + b * 7);
            small_.push_back(Write("frame" + std::to_string(i) + ".cur", bytes));
        }
        bytes.assign(64 * 1024 * 1024, 'x');
        large_ = Write("large.cur", bytes);
    }
    const std::vector<std::string>& small() const { return small_; }
    const std::string& large() const { return large_; }
    std::string output(const std::string& name) const {
        return folder_.filePath(QString::fromStdString(name)).toStdString();
    }

private:
    std::string Write(const std::string& name, const std::vector<char>& bytes) {
        const std::string path = output(name);
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    desktop::PrivateTempFolder folder_;
    std::vector<std::string> small_;
    std::string large_;
};

Frames& TheFrames() {
    static Frames frames;
    return frames;
}

animace::Animation Input(std::vector<std::string> frames, std::size_t steps) {
    animace::Animation input;
    for (std::size_t k = 0; k < steps; ++k) {
        input.steps.push_back({static_cast<int>(k % frames.size()), static_cast<int>(k % 40 + 1)});
    }
    input.frames = std::move(frames);
    return input;
}

bool Write(const animace::Animation& input, const std::string& output) {
    std::error_code ignored;
    fs::remove(output, ignored);
    const auto outcome = animace::WriteAnimatedCursor(
        input, output, [] { return animace::OverwriteAnswer::Yes; },
        [](const std::string&, const std::string&, const std::string&) { return animace::FailureAnswer::Cancel; });
    return outcome == animace::WriteOutcome::Written;
}

// The reference: `cat` itself concatenating the same frame files into one file.
bool Concatenate(const std::vector<std::string>& frames, const std::string& output) {
    std::error_code ignored;
    fs::remove(output, ignored);  // as the writer's run does, so neither pays for emptying a file
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> arguments = {const_cast<char*>("cat")};
    for (const std::string& frame : frames) arguments.push_back(const_cast<char*>(frame.c_str()));
    arguments.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, "cat", &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return spawned == 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_Writer200Frames400Steps(benchmark::State& state) {
    const auto input = Input(TheFrames().small(), 400);
    const std::string output = TheFrames().output("writer.ani");
    for (auto _ : state) {
        if (!Write(input, output)) state.SkipWithError("writer failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 200 * kFrameBytes);
}

void BM_Cat200Frames(benchmark::State& state) {
    const std::string output = TheFrames().output("cat.out");
    for (auto _ : state) {
        if (!Concatenate(TheFrames().small(), output)) state.SkipWithError("copy failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 200 * kFrameBytes);
}

long long StatusKiB(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0) return std::atoll(line.c_str() + prefix.size());
    }
    return -1;
}

// Peak heap and peak resident growth while the writer runs once.
void MeasurePeak(benchmark::State& state, const animace::Animation& input) {
    const std::string output = TheFrames().output("peak.ani");
    long long heap = 0, rss = 0, peakRss = 0;
    for (auto _ : state) {
        state.PauseTiming();
        { std::ofstream("/proc/self/clear_refs") << "5"; }  // resets the resident peak
        const long long rssBefore = StatusKiB("VmRSS");
        const long long heapBefore = LiveHeapBytes();
        ResetPeakHeap();
        state.ResumeTiming();
        if (!Write(input, output)) state.SkipWithError("writer failed");
        state.PauseTiming();
        heap = std::max(heap, PeakHeapBytes() - heapBefore);
        peakRss = std::max(peakRss, StatusKiB("VmHWM"));
        rss = std::max(rss, peakRss - rssBefore);
        state.ResumeTiming();
    }
    state.counters["peak_heap_KiB"] = static_cast<double>(heap) / 1024.0;
    state.counters["peak_rss_growth_KiB"] = static_cast<double>(rss);
    state.counters["peak_rss_KiB"] = static_cast<double>(peakRss);
}

void BM_WriterPeak20Frames(benchmark::State& state) {
    const auto& all = TheFrames().small();
    MeasurePeak(state, Input(std::vector<std::string>(all.begin(), all.begin() + 20), 40));
}
void BM_WriterPeak200Frames(benchmark::State& state) { MeasurePeak(state, Input(TheFrames().small(), 400)); }
void BM_WriterPeakOne64MiBFrame(benchmark::State& state) { MeasurePeak(state, Input({TheFrames().large()}, 2)); }

BENCHMARK(BM_Writer200Frames400Steps)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Cat200Frames)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_WriterPeak20Frames)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WriterPeak200Frames)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WriterPeakOne64MiBFrame)->Unit(benchmark::kMillisecond)->Iterations(5);

// Prints the usual table, then the figures that matter as ratios of this one run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            seconds_[name] = run.GetAdjustedRealTime();
            for (const auto& [counter, value] : run.counters) counters_[name + ":" + counter] = value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const double writer = seconds_["BM_Writer200Frames400Steps/min_time:2.000"];
        const double cat = seconds_["BM_Cat200Frames/min_time:2.000"];
        if (cat > 0) std::printf("\nwriter / cat time ratio: %.3f (goal <= 1.5)\n", writer / cat);
        const char* peaks[] = {"BM_WriterPeak20Frames/iterations:5", "BM_WriterPeak200Frames/iterations:5",
                               "BM_WriterPeakOne64MiBFrame/iterations:5"};
        const double base = counters_[std::string(peaks[0]) + ":peak_heap_KiB"];
        for (const char* peak : peaks) {
            const double heap = counters_[std::string(peak) + ":peak_heap_KiB"];
            std::printf("%-40s peak heap %.0f KiB (x%.3f of 20 frames), peak RSS %.0f KiB (growth %.0f KiB)\n", peak,
                        heap, base > 0 ? heap / base : 0.0, counters_[std::string(peak) + ":peak_rss_KiB"],
                        counters_[std::string(peak) + ":peak_rss_growth_KiB"]);
        }
    }

private:
    std::map<std::string, double> seconds_;
    std::map<std::string, double> counters_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    TheFrames();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
