#pragma once
// Every text kurzory prints: the help pages and the one-line Czech errors.
#include <cstdint>
#include <optional>
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
std::string HotSpotOptionText(const std::string& text);
std::string NoPictureOfSizeText(int size);
std::string HotSpotOnlyForPngText();

// Refusals and failures, each naming the file.
std::string FileFailureText(const std::string& path, const std::string& reason);
std::string NotCursorFrameText(const std::string& path);
std::string OutputExistsText(const std::string& path);
std::string OutputIsFrameText(const std::string& path);
std::string TooLargeText(const std::string& path);
std::string AlreadyCursorText(const std::string& path);
std::string NotIconOrCursorText(const std::string& path);
std::string NoOutputNameText(const std::string& path);
std::string NotPelcorBitmapText(const std::string& path);
std::string NotCursorOrBitmapText(const std::string& path);
std::string HotSpotOutsideText(const std::string& path, int width, int height);
std::string PickOutsideText(const std::string& path, int size);
std::string NotAnimatedCursorText(const std::string& path);
std::string UnreadableFrameText(const std::string& path, std::uint64_t frame);
std::string DamagedFrameText(const std::string& path, std::uint64_t frame, const std::string& fault);
std::string NotCursorText(const std::string& path);
std::string OutputIsInputText(const std::string& path);
std::string UnknownFileKindText(const std::string& path);
std::string NoFilesText();
std::string TooManyImagesText(const std::string& path);
std::string TooLargeIconText(const std::string& path);
std::string UnreadableImageText(const std::string& path, std::size_t image);
std::string NotSquareText(const std::string& path, int width, int height);
std::string PictureTooLargeText(const std::string& path, int size);
std::string UnreadablePictureText(const std::string& path);
std::string SizeTwiceText(const std::string& path, int size);
std::string MixedInputText(const std::string& path);
// `frame` (from 0) for a frame inside an animated cursor `path`, nothing for a frame file.
std::string FrameSizesText(const std::string& path, std::optional<std::uint64_t> frame, const std::string& sizes,
                           const std::string& firstSizes);
std::string InvertedPixelsText(const std::string& path, std::uint64_t count);

// The lines of `info`.
std::string LoaderKey(animace::CursorLoader loader);      // "wine", "gdk-pixbuf", "kde"
std::string VerdictWord(animace::Verdict verdict);       // "plays", "copes", ...
std::string LoaderNoteText(animace::LoaderNote note);
std::string IrregularityText(animace::Irregularity irregularity);
// "Wine (user32): soubor odmítne – ..." with the loader's reasons.
std::string LoaderVerdictText(animace::CursorLoader loader, const animace::LoaderVerdict& verdict);
std::string JiffiesInSeconds(std::uint32_t jiffies);

// kurzory sada
std::string SadaHelp();

// A set file's faults; the caller puts the file and line before them.
std::string SetLineText();
std::string SetValueMissingText(const std::string& key);
std::string SetUnknownKeyText(const std::string& key);
std::string SetKeyMissingText(const std::string& key);
std::string SetNameText(const std::string& name);
std::string SetSizeText(const std::string& word);
std::string SetUnknownRoleText(const std::string& name);
std::string SetRepeatedRoleText(const std::string& role, int firstLine);
std::string SetNoCursorText();
std::string SetNoPicturesText();
std::string SetMixedSourcesText();
std::string SetTimeText(const std::string& word);
std::string SetHotSpotText(const std::string& value);
std::string SetHotSpotMissingText();
std::string SetHotSpotInFileText();
std::string SetDefaultComment(const std::string& name);

// A set's pictures.
std::string PictureMissingText(const std::string& path);
std::string FrameSizesDifferText(int frame);
std::string HotSpotOutsidePictureText(int x, int y, int size);
std::string CursorFileUnreadableText(const std::string& path);
std::string SizeLeftOutText(const std::string& role, int size, int largest);
std::string NoSizeLeftText(const std::string& role);

// A scheme file's faults.
std::string SchemeNoCursorText(const std::string& path);
std::string SchemeFileMissingText(const std::string& role, const std::string& path);
std::string SchemeFileUnreadableText(const std::string& role, const std::string& path);

// The output folder.
std::string OutputFolderExistsText(const std::string& path);

}  // namespace kurzory
