#pragma once
// Every text kurzory prints: the help pages and the one-line Czech errors.
#include <cstdint>
#include <string>

#include "animace/reader/loader_verdicts.h"

namespace kurzory {

std::string MainHelp();
std::string AniHelp();
std::string CurHelp();
std::string IcoHelp();
std::string InfoHelp();
std::string XcursorHelp();
std::string VersionText();

// Usage errors.
std::string UnknownCommandText(const std::string& command);
std::string UnknownOptionText(const std::string& option);
std::string MissingValueText(const std::string& option);
std::string RepeatedOptionText(const std::string& option);
std::string InputCountText(const std::string& command);
std::string SequenceText(const std::string& text);
std::string SequenceBeyondFramesText(long long entry, std::size_t frames);
std::string TimeText(const std::string& text);
std::string TimeCountText(std::size_t steps);
std::string FrameCountText();
std::string StepCountText();
std::string PointOptionText(const std::string& option, const std::string& text);
std::string OptionNeededText(const std::string& option);
std::string OptionNotForText(const std::string& option, const std::string& path);
std::string ThemeNameText();

// Refusals and failures, each naming the file.
std::string FileFailureText(const std::string& path, const std::string& reason);
std::string NotOneImageCursorText(const std::string& path);
std::string OutputExistsText(const std::string& path);
std::string OutputIsFrameText(const std::string& path);
std::string TooLargeText(const std::string& path);
std::string AlreadyCursorText(const std::string& path);
std::string NotCursorOrBitmapText(const std::string& path);
std::string HotSpotOutsideText(const std::string& path, int width, int height);
std::string PickOutsideText(const std::string& path, int size);
std::string NotAnimatedCursorText(const std::string& path);
std::string UnreadableFrameText(const std::string& path, std::uint64_t frame);
std::string NotCursorText(const std::string& path);
std::string OutputIsInputText(const std::string& path);
std::string UnknownFileKindText(const std::string& path);
std::string NoFilesText();
std::string TooManyImagesText(const std::string& path);

// The lines of `info`.
std::string LoaderKey(animace::CursorLoader loader);      // "wine", "gdk-pixbuf", "kde"
std::string VerdictWord(animace::Verdict verdict);       // "plays", "copes", ...
std::string LoaderNoteText(animace::LoaderNote note);
std::string IrregularityText(animace::Irregularity irregularity);
// "Wine (user32): soubor odmítne – ..." with the loader's reasons.
std::string LoaderVerdictText(animace::CursorLoader loader, const animace::LoaderVerdict& verdict);
std::string JiffiesInSeconds(std::uint32_t jiffies);

}  // namespace kurzory
