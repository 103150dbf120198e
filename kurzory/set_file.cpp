#include "kurzory/set_file.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <sstream>

#include "animace/number_text.h"
#include "kurzory/messages.h"
#include "kurzory/text_lines.h"

namespace kurzory {
namespace {

namespace fs = std::filesystem;

// Words separated by blanks or commas.
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text + ' ') {
        if (c == ' ' || c == '\t' || c == ',') {
            if (!word.empty()) words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

std::optional<int> SmallNumber(std::string_view text) {
    int value = 0;
    if (text.empty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::optional<std::pair<int, int>> Point(const std::string& text) {
    const std::vector<std::string_view> parts = SplitAtCommas(text);
    if (parts.size() != 2) return std::nullopt;
    const auto x = SmallNumber(Trimmed(parts[0]));
    const auto y = SmallNumber(Trimmed(parts[1]));
    if (!x || !y) return std::nullopt;
    return std::pair{*x, *y};
}

class SetFileParser {
public:
    SetFileParser(const std::string& path) : path_(path), folder_(fs::path(path).parent_path()) {}

    std::variant<SetDescription, std::string> Parse(const std::string& text) {
        std::istringstream lines(text);
        std::string raw;
        bool nameSeen = false;
        bool sizesSeen = false;
        while (std::getline(lines, raw)) {
            ++lineNumber_;
            if (lineNumber_ == 1 && raw.starts_with("\xEF\xBB\xBF")) raw.erase(0, 3);
            const std::string line = Trimmed(raw);
            if (line.empty() || line.front() == '#') continue;
            if (line.front() == '[') {
                if (!OpenSection(line)) return failure_;
                continue;
            }
            const std::size_t equals = line.find('=');
            if (equals == std::string::npos) return Fail(SetLineText());
            const std::string key = Trimmed(std::string_view(line).substr(0, equals));
            const std::string value = Trimmed(std::string_view(line).substr(equals + 1));
            if (value.empty()) return Fail(SetValueMissingText(key));
            if (current_ == nullptr) {
                if (key == "název") {
                    if (value.find('/') != std::string::npos || value == "." || value == "..")
                        return Fail(SetNameText(value));
                    set_.name = value;
                    nameSeen = true;
                } else if (key == "popis") {
                    set_.comment = value;
                } else if (key == "dědí") {
                    set_.inherits = value;
                } else if (key == "velikosti") {
                    if (!ReadSizes(value)) return failure_;
                    sizesSeen = true;
                } else {
                    return Fail(SetUnknownKeyText(key));
                }
            } else if (!ReadCursorKey(key, value)) {
                return failure_;
            }
        }
        if (!nameSeen) return Fail(SetKeyMissingText("název"));
        if (!sizesSeen) return Fail(SetKeyMissingText("velikosti"));
        if (set_.roles.empty()) return Fail(SetNoCursorText());
        for (const RoleSource& role : set_.roles) {
            if (role.frames.empty() && role.cursorFile.empty()) return FailAt(role.place, SetNoPicturesText());
            if (!role.frames.empty() && !role.hotSpot) return FailAt(role.place, SetHotSpotMissingText());
            if (!role.cursorFile.empty() && (role.hotSpot || !role.hotSpotBySize.empty()))
                return FailAt(role.place, SetHotSpotInFileText());
        }
        std::sort(set_.roles.begin(), set_.roles.end(),
                  [](const RoleSource& a, const RoleSource& b) { return RoleIndex(*a.role) < RoleIndex(*b.role); });
        if (set_.comment.empty()) set_.comment = SetDefaultComment(set_.name);
        return std::move(set_);
    }

private:
    SetFilePlace Here() const { return {path_, lineNumber_}; }
    std::string Fail(const std::string& text) { return FailAt(Here(), text); }
    std::string FailAt(const SetFilePlace& place, const std::string& text) {
        failure_ = PlaceText(place) + text;
        return failure_;
    }

    bool OpenSection(const std::string& line) {
        if (line.back() != ']') return Fail(SetLineText()), false;
        const std::string name = Trimmed(std::string_view(line).substr(1, line.size() - 2));
        const CursorRole* role = RoleByWindowsName(name);
        if (role == nullptr) return Fail(SetUnknownRoleText(name)), false;
        for (const RoleSource& other : set_.roles)
            if (other.role == role) return Fail(SetRepeatedRoleText(std::string(role->windowsName), other.place.line)), false;
        current_ = &set_.roles.emplace_back();
        current_->role = role;
        current_->place = Here();
        return true;
    }

    bool ReadSizes(const std::string& value) {
        const std::vector<std::string> words = Words(value);
        // Only commas and blanks name no size, and a set without one would write nothing.
        if (words.empty()) return Fail(SetValueMissingText("velikosti")), false;
        for (const std::string& word : words) {
            const std::optional<int> size = SmallNumber(word);
            if (!size || *size < 1 || *size > kLargestCursorSize) return Fail(SetSizeText(word)), false;
            if (std::find(set_.sizes.begin(), set_.sizes.end(), *size) == set_.sizes.end()) set_.sizes.push_back(*size);
        }
        std::sort(set_.sizes.begin(), set_.sizes.end());
        return true;
    }

    std::string Resolved(const std::string& name) const {
        const fs::path path(name);
        return (path.is_absolute() || folder_.empty() ? path : folder_ / path).string();
    }

    bool ReadCursorKey(const std::string& key, const std::string& value) {
        RoleSource& role = *current_;
        if (key == "obrázky" || key == "snímek") {
            if (!role.cursorFile.empty()) return Fail(SetMixedSourcesText()), false;
            const bool still = key == "obrázky";
            if (still ? !role.frames.empty() : (!role.frames.empty() && role.frames.front().twentieths == 0))
                return Fail(SetMixedSourcesText()), false;
            std::vector<std::string> words = Words(value);
            // Only commas and blanks: no time and no picture to take.
            if (words.empty()) return Fail(SetValueMissingText(key)), false;
            FrameSource frame;
            frame.place = Here();
            if (!still) {
                const std::optional<int> twentieths = animace::TwentiethsFromSecondsText(words.front());
                if (!twentieths) return Fail(SetTimeText(words.front())), false;
                frame.twentieths = *twentieths;
                words.erase(words.begin());
                if (words.empty()) return Fail(SetValueMissingText(key)), false;
            }
            for (const std::string& word : words) frame.pictures.push_back(Resolved(word));
            role.frames.push_back(std::move(frame));
            return true;
        }
        if (key == "soubor") {
            if (!role.frames.empty() || !role.cursorFile.empty()) return Fail(SetMixedSourcesText()), false;
            role.cursorFile = Resolved(value);
            role.cursorFilePlace = Here();
            return true;
        }
        if (key == "bod" || key.starts_with("bod ")) {
            const std::optional<std::pair<int, int>> point = Point(value);
            if (!point) return Fail(SetHotSpotText(value)), false;
            const HotSpotSource hotSpot{point->first, point->second, Here()};
            if (key == "bod") {
                role.hotSpot = hotSpot;
                return true;
            }
            const std::optional<int> size = SmallNumber(Trimmed(std::string_view(key).substr(4)));
            if (!size || *size < 1 || *size > kLargestCursorSize) return Fail(SetUnknownKeyText(key)), false;
            role.hotSpotBySize[*size] = hotSpot;
            return true;
        }
        return Fail(SetUnknownKeyText(key)), false;
    }

    std::string path_;
    fs::path folder_;
    int lineNumber_ = 0;
    SetDescription set_;
    RoleSource* current_ = nullptr;
    std::string failure_;
};

}  // namespace

std::string PlaceText(const SetFilePlace& place) { return place.file + ":" + std::to_string(place.line) + ": "; }

std::variant<SetDescription, std::string> ParseSetFile(const std::string& path, const std::string& text) {
    return SetFileParser(path).Parse(text);
}

}  // namespace kurzory
