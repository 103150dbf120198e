#pragma once
// The cursors of a set: their Windows registry value, the Czech name a designer sees, the names a
// Windows scheme file gives them, and the names X programs ask a cursor theme for.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kurzory {

struct CursorRole {
    std::string_view windowsName;  // the registry value under HKCU\Control Panel\Cursors
    std::string_view czechName;
    std::string_view schemeKey;    // the [Strings] key an install.inf names the role's file by
    std::vector<std::string_view> xNames;  // the first is the file, the rest are links to it; may be empty
};

// Every role in the order of a scheme's registry value.
std::span<const CursorRole> CursorRoles();

// The role of a Windows registry value name, letter case ignored.
const CursorRole* RoleByWindowsName(std::string_view name);

// The role's place in the scheme's registry value.
std::size_t RoleIndex(const CursorRole& role);

}  // namespace kurzory
