#pragma once
// The animated cursor writer: a RIFF "ACON" file that stores every picked cursor once and shows
// them in the user's order and timing. No window; the caller answers its questions.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "animace/animation.h"
#include "iconfile/file_operations.h"

namespace animace {

enum class OverwriteAnswer { Yes, No };
enum class FailureAnswer { Retry, Cancel };

using AskOverwrite = std::function<OverwriteAnswer()>;
// Asked after every failed operation: the system's description of the failure, the output path
// and the frame line (the frame at position `loopCounter`, or an empty text beyond the last).
using RetryOrCancel =
    std::function<FailureAnswer(const std::string& failure, const std::string& outputPath, const std::string& frameLine)>;

enum class WriteOutcome {
    Written,
    NotOverwritten,
    Cancelled,
    // Refused before any file is touched:
    TooLarge,       // the file would exceed 2147483647 bytes
    OutputIsFrame,  // the output path names one of the frame files, also one not yet there
};

inline constexpr std::int64_t kLargestLong = 2147483647;

// The four little-endian bytes of 0 <= value <= 2147483647; nothing for any other value.
std::optional<std::array<std::uint8_t, 4>> LongToBytes(std::int64_t value);

// Appends ".ani" to a name of fewer than 4 characters, then to a name whose fourth character
// from the end is not "."; characters are counted in UTF-8 code points.
std::string NormalizeOutputName(const std::string& name);

// Appends the folder separator to a non-empty folder that does not end with one.
std::string NormalizeOutputFolder(const std::string& folder);

// The length the file would have, 84 + 8S + the sum of 8 + L(i) (+ 1 for a pad byte after an odd
// frame); frames that cannot be measured count as empty (their failure comes while they are copied).
std::int64_t ExpectedFileLength(const Animation& animation, iconfile::FileOperations& files);

// The file is written into a new temporary file beside the output, which replaces the output
// only once complete and on the disk; Cancel leaves the old output, or none, exactly as it was.
// Old and new file must therefore fit on the disk together. `failedFile`, when given, receives
// the name of the file whose operation failed last: a frame's or the output's.
WriteOutcome WriteAnimatedCursor(const Animation& animation, const std::string& outputPath,
                                 const AskOverwrite& askOverwrite, const RetryOrCancel& retryOrCancel,
                                 iconfile::FileOperations& files, std::string* failedFile = nullptr);
WriteOutcome WriteAnimatedCursor(const Animation& animation, const std::string& outputPath,
                                 const AskOverwrite& askOverwrite, const RetryOrCancel& retryOrCancel);

}  // namespace animace
