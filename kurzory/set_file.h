#pragma once
// The set file a designer writes by hand: the set's name, the sizes wanted, the theme to fall back
// on, and one section per cursor naming its role, its pictures and its hot spot. Only the text is
// read here; the pictures are checked when they are loaded.
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "kurzory/cursor_roles.h"

namespace kurzory {

// A place in the set file, for the error lines.
struct SetFilePlace {
    std::string file;
    int line = 0;
};

// One step of a cursor: its pictures (one per size) and how long it shows.
struct FrameSource {
    std::vector<std::string> pictures;  // paths as resolved against the set file's folder
    int twentieths = 0;                 // 0 for a still cursor
    SetFilePlace place;
};

struct HotSpotSource {
    int x = 0;
    int y = 0;
    SetFilePlace place;
};

struct RoleSource {
    const CursorRole* role = nullptr;
    SetFilePlace place;                 // the section's line
    std::vector<FrameSource> frames;    // PNG pictures: one entry for a still cursor, more for an animation
    std::string cursorFile;             // or a .cur or .ani
    SetFilePlace cursorFilePlace;
    std::optional<HotSpotSource> hotSpot;        // in the largest picture's pixels
    std::map<int, HotSpotSource> hotSpotBySize;  // for one size alone
};

struct SetDescription {
    std::string name;
    std::string comment;
    std::vector<int> sizes;  // ascending, each once
    std::string inherits = "Adwaita";
    std::vector<RoleSource> roles;  // in the order of the roles table
};

inline constexpr int kLargestCursorSize = 256;

// The description, or one Czech line naming the file and line of the first fault.
std::variant<SetDescription, std::string> ParseSetFile(const std::string& path, const std::string& text);

// "sada.txt:12: " before a refusal.
std::string PlaceText(const SetFilePlace& place);

}  // namespace kurzory
