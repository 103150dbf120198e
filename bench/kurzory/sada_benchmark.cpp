// `kurzory sada` of a whole set as a designer ships it: 17 roles at 5 sizes each, two of them
// animations of 12 frames, drawn as PNGs; against `cp -r` of the finished output followed by a
// sync of the copy, in the same run (counter sada_vs_cp_r_sync; sada_vs_cp_r without the sync),
// and its peak memory (sada_peak_KiB).
#include <benchmark/benchmark.h>

#include <QColor>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "run_program.h"

namespace fs = std::filesystem;

namespace {

const char* const kRoles[] = {"Arrow", "Help", "AppStarting", "Wait", "Crosshair", "IBeam", "NWPen", "No", "SizeNS",
                              "SizeWE", "SizeNWSE", "SizeNESW", "SizeAll", "UpArrow", "Hand", "Pin", "Person"};
constexpr int kSizes[] = {32, 48, 64, 96, 128};
constexpr int kFrames = 12;

// A picture with soft edges and varying colour, so PNG and the scaling have real work.
void WritePicture(const fs::path& path, int size, int seed) {
    QImage picture(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int alpha = std::max(0, 255 - 8 * std::abs(x - y) - (x + y) % 7);
            picture.setPixel(x, y, qRgba((x * 7 + seed * 13) & 0xFF, (y * 5 + seed) & 0xFF, (x ^ y) & 0xFF, alpha));
        }
    picture.save(QString::fromStdString(path.string()), "png");
}

class SetFiles {
public:
    SetFiles() {
        char pattern[] = "/tmp/kurzory-sada-bench-XXXXXX";
        if (::mkdtemp(pattern) == nullptr) std::abort();
        folder_ = pattern;
        std::ofstream set(folder_ / "sada.txt");
        set << "název = Měřená\nvelikosti = 32 48 64 96 128\n";
        int seed = 0;
        for (const std::string role : kRoles) {
            set << "\n[" << role << "]\n";
            const bool animated = role == "Wait" || role == "AppStarting";
            for (int frame = 0; frame < (animated ? kFrames : 1); ++frame) {
                set << (animated ? "snímek = 0.1" : "obrázky =");
                for (int size : kSizes) {
                    const std::string name = role + std::to_string(frame) + "_" + std::to_string(size) + ".png";
                    WritePicture(folder_ / name, size, ++seed);
                    set << ' ' << name;
                }
                set << '\n';
            }
            set << "bod = 10,12\n";
        }
    }
    ~SetFiles() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    std::string path(const std::string& name) const { return (folder_ / name).string(); }

private:
    fs::path folder_;
};

void BM_SadaAgainstCopy(benchmark::State& state) {
    SetFiles files;
    double sada = 0, copy = 0, sync = 0;
    long peak = 0;
    for (auto _ : state) {
        fs::remove_all(files.path("out"));
        fs::remove_all(files.path("copy"));
        const Finished built = Run({KURZORY_BINARY, "sada", files.path("sada.txt"), "-o", files.path("out")});
        const Finished copied = Run({"cp", "-r", files.path("out"), files.path("copy")});
        const Finished synced = Run({"sync", "-f", files.path("copy")});
        if (!built.ok || !copied.ok || !synced.ok) state.SkipWithError("a run failed");
        sada += built.seconds;
        copy += copied.seconds;
        sync += synced.seconds;
        peak = std::max(peak, built.peakKiB);
    }
    state.counters["sada_vs_cp_r_sync"] = sada / (copy + sync);
    state.counters["sada_vs_cp_r"] = sada / copy;
    state.counters["sada_s"] = sada / static_cast<double>(state.iterations());
    state.counters["sada_peak_KiB"] = static_cast<double>(peak);
}

}  // namespace

BENCHMARK(BM_SadaAgainstCopy)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
