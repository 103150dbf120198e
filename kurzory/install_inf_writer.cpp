#include "kurzory/install_inf.h"
#include "kurzory/utf16_text.h"

namespace kurzory {
namespace {

// A value in quotes of an INF file: quotes doubled, and "%" doubled so it is not read as a string key.
std::string InfQuoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '%') quoted += c;
        quoted += c;
    }
    return quoted + "\"";
}

const SchemeFile* FileOf(const CursorScheme& scheme, const CursorRole& role) {
    for (const SchemeFile& file : scheme.files)
        if (file.role == &role) return &file;
    return nullptr;
}

std::string RolePath(const CursorRole& role) { return "%10%\\%CUR_DIR%\\%" + std::string(role.schemeKey) + "%"; }

}  // namespace

std::string SchemeFolderName(const std::string& name) {
    std::string folder;
    // A comma too: the scheme's registry value separates its paths by commas.
    for (char c : name) folder += std::string_view("\\/:*?\"<>|,").find(c) != std::string_view::npos || (c > 0 && c < 32) ? '_' : c;
    // Windows drops trailing dots and blanks from a folder's name.
    while (!folder.empty() && (folder.back() == '.' || folder.back() == ' ')) folder.back() = '_';
    return folder.empty() ? "_" : folder;
}

std::vector<std::uint8_t> InstallInfBytes(const CursorScheme& scheme) {
    std::string schemeValue;
    std::string roleValues;
    std::string files;
    std::string strings;
    for (const CursorRole& role : CursorRoles()) {
        const SchemeFile* file = FileOf(scheme, role);
        if (&role != &CursorRoles().front()) schemeValue += ',';
        // A role left out keeps its place empty, and its own value names no file: the system's cursor.
        if (file) schemeValue += RolePath(role);
        roleValues += "HKCU,\"Control Panel\\Cursors\",\"" + std::string(role.windowsName) + "\",0x00020000,\"" +
                      (file ? RolePath(role) : std::string()) + "\"\r\n";
        if (!file) continue;
        files += file->fileName + "\r\n";
        strings += std::string(role.schemeKey) + " = " + InfQuoted(file->fileName) + "\r\n";
    }
    const std::string text =
        "; " + scheme.name + ": Windows cursor scheme written by kurzory sada.\r\n"
        "; Right-click this file and choose Install, then pick the scheme in the mouse settings.\r\n"
        "\r\n"
        "[Version]\r\n"
        "signature=\"$CHICAGO$\"\r\n"
        "\r\n"
        "[DefaultInstall]\r\n"
        "CopyFiles = Scheme.Cur\r\n"
        "AddReg    = Scheme.Reg\r\n"
        "\r\n"
        "[DestinationDirs]\r\n"
        "Scheme.Cur = 10,\"%CUR_DIR%\"\r\n"
        "\r\n"
        "[Scheme.Reg]\r\n"
        "HKCU,\"Control Panel\\Cursors\\Schemes\",\"%SCHEME_NAME%\",0x00020000,\"" + schemeValue + "\"\r\n"
        "HKCU,\"Control Panel\\Cursors\",,0x00020000,\"%SCHEME_NAME%\"\r\n"
        "HKCU,\"Control Panel\\Cursors\",\"Scheme Source\",0x00010001,1\r\n" +
        roleValues +
        "\r\n"
        "[Scheme.Cur]\r\n" +
        files +
        "\r\n"
        "[Strings]\r\n"
        "CUR_DIR = " + InfQuoted("Cursors\\" + SchemeFolderName(scheme.name)) + "\r\n"
        "SCHEME_NAME = " + InfQuoted(scheme.name) + "\r\n" +
        strings;
    return Utf16LittleEndianWithMark(text);
}

}  // namespace kurzory
