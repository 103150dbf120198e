#pragma once
// A Windows cursor scheme's install.inf: written for a set, and read back from schemes found in
// the wild to import them.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "kurzory/cursor_roles.h"

namespace kurzory {

struct SchemeFile {
    const CursorRole* role = nullptr;
    std::string fileName;  // a name inside the scheme's folder, no path
};

struct CursorScheme {
    std::string name;
    std::vector<SchemeFile> files;  // in the order of the roles table, roles left out missing
};

// install.inf as UTF-16 little-endian with a byte order mark and CRLF lines, so Windows keeps
// every letter of the name: right-click "Install" copies the files to %10%\Cursors\NAME and
// registers the scheme and each role's cursor.
std::vector<std::uint8_t> InstallInfBytes(const CursorScheme& scheme);

// The folder name under %10%\Cursors: the characters Windows forbids in a name, and the comma
// that separates the scheme value's paths, become "_".
std::string SchemeFolderName(const std::string& name);

// The scheme an install.inf's text registers; roles by the scheme value's places, by each role's
// own registry value, or by the usual [Strings] names (misspellings included). The name is empty
// when the file names none.
CursorScheme ReadInstallInf(const std::string& text);

}  // namespace kurzory
