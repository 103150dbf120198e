#pragma once
// The texts of kurzory sada: its help, the refusals of a set file or scheme, and its summary.
#include <string>

namespace kurzory {

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
std::string SchemeUnreadableText(const std::string& path);
std::string SchemeNoCursorText(const std::string& path);
std::string SchemeFileMissingText(const std::string& role, const std::string& path);
std::string SchemeFileUnreadableText(const std::string& role, const std::string& path);

// The output folder.
std::string OutputFolderExistsText(const std::string& path);

}  // namespace kurzory
