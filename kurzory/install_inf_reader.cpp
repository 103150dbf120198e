#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>
#include <utility>

#include "kurzory/install_inf.h"
#include "kurzory/text_lines.h"

namespace kurzory {
namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// One line of an INF section: the key before "=" (if any) and the comma-separated fields after
// it, quotes removed ("" inside quotes is one quote) and a ";" outside quotes ending the line.
struct InfLine {
    std::string key;
    std::vector<std::string> fields;
};

InfLine SplitLine(const std::string& line) {
    InfLine parsed;
    std::string field;
    bool quoted = false;
    bool keyDone = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ';') {
            break;
        } else if (c == '=' && !keyDone && parsed.fields.empty()) {
            parsed.key = Trimmed(field);
            field.clear();
            keyDone = true;
        } else if (c == ',') {
            parsed.fields.push_back(Trimmed(field));
            field.clear();
        } else {
            field += c;
        }
    }
    parsed.fields.push_back(Trimmed(field));
    return parsed;
}

using Sections = std::map<std::string, std::vector<InfLine>>;  // by lower-case name

Sections ReadSections(const std::string& text) {
    Sections sections;
    std::vector<InfLine>* current = nullptr;
    std::istringstream lines(text);
    std::string raw;
    while (std::getline(lines, raw)) {
        const std::string line = Trimmed(raw);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const std::size_t end = line.find(']');
            current = &sections[Lower(Trimmed(line.substr(1, end == std::string::npos ? std::string::npos : end - 1)))];
            continue;
        }
        if (current) current->push_back(SplitLine(line));
    }
    return sections;
}

// "%key%" replaced by the [Strings] value, "%%" by "%"; "%10%" and unknown keys stay as they are.
std::string Expanded(const std::string& text, const std::map<std::string, std::string>& strings) {
    std::string result;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t end = text[i] == '%' ? text.find('%', i + 1) : std::string::npos;
        if (end == std::string::npos) {
            result += text[i++];
            continue;
        }
        const std::string key = Lower(text.substr(i + 1, end - i - 1));
        const auto found = strings.find(key);
        if (key.empty()) result += '%';
        else if (found != strings.end()) result += found->second;
        else result += text.substr(i, end - i + 1);
        i = end + 1;
    }
    return result;
}

std::string WithoutDoubledPercent(const std::string& text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        result += text[i];
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%') ++i;
    }
    return result;
}

// The file name at the end of a path such as "%10%\Cursors\Blue\arrow.cur".
std::string LastName(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return Trimmed(slash == std::string::npos ? path : path.substr(slash + 1));
}

// The HKCU lines of every section: schemes in the wild name their AddReg sections in many ways.
std::vector<const InfLine*> RegistryLines(const Sections& sections) {
    std::vector<const InfLine*> lines;
    for (const auto& [name, entries] : sections)
        for (const InfLine& line : entries)
            if (line.fields.size() >= 4 && Lower(line.fields[0]) == "hkcu" && line.key.empty()) lines.push_back(&line);
    return lines;
}

// Names of the role files as the [Strings] of schemes in the wild spell them.
const CursorRole* RoleByStringKey(const std::string& key) {
    static const std::map<std::string, std::string_view> kUsual = {
        {"pointer", "Arrow"},      {"arrow", "Arrow"},        {"normal", "Arrow"},     {"help", "Help"},
        {"work", "AppStarting"},   {"working", "AppStarting"}, {"appstarting", "AppStarting"},
        {"busy", "Wait"},          {"wait", "Wait"},          {"cross", "Crosshair"},  {"precision", "Crosshair"},
        {"crosshair", "Crosshair"}, {"text", "IBeam"},        {"ibeam", "IBeam"},      {"hand", "NWPen"},
        {"handwriting", "NWPen"},  {"pen", "NWPen"},          {"nwpen", "NWPen"},      {"unavailable", "No"},
        {"unavailiable", "No"},    {"unavail", "No"},         {"no", "No"},            {"vert", "SizeNS"},
        {"sizens", "SizeNS"},      {"horz", "SizeWE"},        {"sizewe", "SizeWE"},    {"dgn1", "SizeNWSE"},
        {"sizenwse", "SizeNWSE"},  {"dgn2", "SizeNESW"},      {"sizenesw", "SizeNESW"}, {"move", "SizeAll"},
        {"sizeall", "SizeAll"},    {"alternate", "UpArrow"},  {"alt", "UpArrow"},      {"uparrow", "UpArrow"},
        {"link", "Hand"},          {"pin", "Pin"},            {"location", "Pin"},     {"person", "Person"},
    };
    const auto found = kUsual.find(key);
    return found == kUsual.end() ? nullptr : RoleByWindowsName(found->second);
}

}  // namespace

CursorScheme ReadInstallInf(const std::string& text) {
    const Sections sections = ReadSections(text);
    std::map<std::string, std::string> strings;
    if (const auto found = sections.find("strings"); found != sections.end())
        for (const InfLine& line : found->second)
            if (!line.key.empty()) strings[Lower(line.key)] = WithoutDoubledPercent(line.fields.front());

    CursorScheme scheme;
    std::vector<std::string> byRole(CursorRoles().size());
    std::vector<std::string> ownValues(CursorRoles().size());
    for (const InfLine* line : RegistryLines(sections)) {
        const std::string key = Lower(Expanded(line->fields[1], strings));
        const std::string valueName = Expanded(line->fields[2], strings);
        // The scheme value holds commas of its own: everything from the fifth field on.
        std::string data;
        for (std::size_t i = 4; i < line->fields.size(); ++i) data += (i > 4 ? "," : "") + line->fields[i];
        if (key == "control panel\\cursors\\schemes") {
            if (scheme.name.empty()) scheme.name = valueName;
            std::vector<std::string> places;
            std::string place;
            for (char c : Expanded(data, strings) + ',') {
                if (c == ',') places.push_back(std::exchange(place, std::string()));
                else place += c;
            }
            for (std::size_t i = 0; i < places.size() && i < byRole.size(); ++i)
                if (byRole[i].empty()) byRole[i] = LastName(places[i]);
        } else if (key == "control panel\\cursors") {
            if (const CursorRole* role = RoleByWindowsName(valueName); role && !valueName.empty())
                ownValues[RoleIndex(*role)] = LastName(Expanded(data, strings));
        }
    }
    for (std::size_t i = 0; i < byRole.size(); ++i)
        if (byRole[i].empty()) byRole[i] = ownValues[i];
    for (const auto& [key, value] : strings)
        if (const CursorRole* role = RoleByStringKey(key); role && byRole[RoleIndex(*role)].empty())
            byRole[RoleIndex(*role)] = LastName(value);
    if (scheme.name.empty()) {
        const auto found = strings.find("scheme_name");
        scheme.name = found != strings.end() ? found->second : std::string();
    }
    for (std::size_t i = 0; i < byRole.size(); ++i)
        if (!byRole[i].empty() && byRole[i].find('%') == std::string::npos) scheme.files.push_back({&CursorRoles()[i], byRole[i]});
    return scheme;
}

}  // namespace kurzory
