// The set file of `kurzory sada`: any text under any name is refused with one line naming a line
// of that file, or read into a set every later step can trust without checking again.
#include <algorithm>
#include <charconv>
#include <sstream>
#include <string>

#include "fuzz_input.h"
#include "kurzory/set_file.h"

namespace {

// Lines as the reader counts them, so a refusal's line can be held against it.
int LineCount(const std::string& text) {
    std::istringstream lines(text);
    int count = 0;
    for (std::string line; std::getline(lines, line);) ++count;
    return count;
}

void CheckPlace(const kurzory::SetFilePlace& place, const std::string& path, int lines) {
    FUZZ_CHECK(place.file == path);
    FUZZ_CHECK(place.line >= 1 && place.line <= lines);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    // Mostly a plain name, so the seeds' text starts at the same place whatever the first byte.
    static const char* const kPaths[] = {"sada.txt", "/tmp/sady/sada.txt", "", "a b/č.txt"};
    const std::string path = input.Flag() ? input.Text(16) : kPaths[input.Below(4)];
    const std::vector<std::uint8_t> rest = input.Rest();
    const std::string text(rest.begin(), rest.end());
    const int lines = LineCount(text);

    const auto parsed = kurzory::ParseSetFile(path, text);
    if (const auto* refusal = std::get_if<std::string>(&parsed)) {
        // "path:line: " and then what is wrong; an empty file is refused at line 0.
        const std::string prefix = path + ":";
        FUZZ_CHECK(refusal->starts_with(prefix));
        int line = -1;
        const char* after = refusal->data() + prefix.size();
        const auto [end, error] = std::from_chars(after, refusal->data() + refusal->size(), line);
        FUZZ_CHECK(error == std::errc());
        FUZZ_CHECK(line >= (lines == 0 ? 0 : 1) && line <= lines);
        FUZZ_CHECK(std::string_view(end).starts_with(": ") && std::string_view(end).size() > 2);
        return 0;
    }

    const kurzory::SetDescription& set = std::get<kurzory::SetDescription>(parsed);
    FUZZ_CHECK(!set.name.empty() && set.name.find('/') == std::string::npos && set.name != "." && set.name != "..");
    FUZZ_CHECK(!set.comment.empty() && !set.inherits.empty());
    // Sizes: at least one, ascending, each once, each one a cursor can have.
    FUZZ_CHECK(!set.sizes.empty());
    FUZZ_CHECK(std::adjacent_find(set.sizes.begin(), set.sizes.end(), std::greater_equal<int>()) == set.sizes.end());
    FUZZ_CHECK(set.sizes.front() >= 1 && set.sizes.back() <= kurzory::kLargestCursorSize);
    // Roles: at least one, each once, in the table's order.
    FUZZ_CHECK(!set.roles.empty());
    for (std::size_t i = 0; i < set.roles.size(); ++i) {
        const kurzory::RoleSource& role = set.roles[i];
        FUZZ_CHECK(role.role != nullptr);
        if (i > 0) FUZZ_CHECK(kurzory::RoleIndex(*set.roles[i - 1].role) < kurzory::RoleIndex(*role.role));
        CheckPlace(role.place, path, lines);
        // Either pictures with a hot spot, or a cursor file that carries its own.
        FUZZ_CHECK(role.frames.empty() != role.cursorFile.empty());
        if (!role.cursorFile.empty()) {
            FUZZ_CHECK(!role.hotSpot && role.hotSpotBySize.empty());
            CheckPlace(role.cursorFilePlace, path, lines);
            continue;
        }
        FUZZ_CHECK(role.hotSpot.has_value());
        // One still picture set, or steps that all show for a time the animation can store.
        const bool animated = role.frames.front().twentieths != 0;
        FUZZ_CHECK(animated || role.frames.size() == 1);
        for (const kurzory::FrameSource& frame : role.frames) {
            FUZZ_CHECK(!frame.pictures.empty());
            for (const std::string& picture : frame.pictures) FUZZ_CHECK(!picture.empty());
            if (animated) FUZZ_CHECK(frame.twentieths >= 1 && frame.twentieths <= 32767);
            CheckPlace(frame.place, path, lines);
            FUZZ_CHECK(frame.place.line > role.place.line);
        }
        FUZZ_CHECK(role.hotSpot->x >= 0 && role.hotSpot->y >= 0);
        CheckPlace(role.hotSpot->place, path, lines);
        for (const auto& [size, hotSpot] : role.hotSpotBySize) {
            FUZZ_CHECK(size >= 1 && size <= kurzory::kLargestCursorSize);
            FUZZ_CHECK(hotSpot.x >= 0 && hotSpot.y >= 0);
            CheckPlace(hotSpot.place, path, lines);
        }
    }
    return 0;
}
