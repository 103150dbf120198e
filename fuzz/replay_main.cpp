// Runs a fuzz target's saved inputs through its checks without libFuzzer, with any compiler:
// every file in the folders named on the command line, the corpus first. An empty or missing
// corpus fails, so lost seeds are noticed; the folder of kept failures may be empty.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// Far above what any input needs even under the sanitizers; scripts/fuzz allows 5 s.
constexpr unsigned kSecondsPerInput = 20;

// Replays every file under `folder` (names starting with "." are not inputs); returns how many.
std::size_t Replay(const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return 0;
    std::size_t replayed = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file() || entry.path().filename().string().starts_with(".")) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::fprintf(stderr, "%s\n", entry.path().c_str());  // the last name shown is the one that failed
        // As in a fuzzing run, an input that takes too long is a failure: SIGALRM ends the replay.
        ::alarm(kSecondsPerInput);
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        ::alarm(0);
        ++replayed;
    }
    return replayed;
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t seeds = argc > 1 ? Replay(argv[1]) : 0;
    if (seeds == 0) {
        std::fprintf(stderr, "no input to replay: the corpus is empty or missing\n");
        return 1;
    }
    std::size_t replayed = seeds;
    for (int i = 2; i < argc; ++i) replayed += Replay(argv[i]);
    std::printf("%zu inputs replayed\n", replayed);
    return 0;
}
