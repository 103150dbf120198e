#include "kurzory/cursor_roles.h"

#include <algorithm>
#include <cctype>

namespace kurzory {

// The hash names are what Qt and GTK programs ask for before (or instead of) the readable ones;
// they were read from the links in Debian's Adwaita and DMZ cursor themes.
std::span<const CursorRole> CursorRoles() {
    static const std::vector<CursorRole> roles = {
        {"Arrow", "Normální výběr", "pointer", {"left_ptr", "default", "arrow", "top_left_arrow", "left_arrow"}},
        {"Help", "Výběr nápovědy", "help",
         {"help", "question_arrow", "whats_this", "left_ptr_help", "5c6cd98b3f3ebcb1f9c7f1c204630408",
          "d9ce0ab605698f320427677b458ad60b"}},
        {"AppStarting", "Práce na pozadí", "work",
         {"progress", "left_ptr_watch", "half-busy", "08e8e1c95fe2fc01f976f1e063a24ccd",
          "3ecb610c1bf2410f44200f48c40d3599"}},
        {"Wait", "Zaneprázdněno", "busy", {"wait", "watch"}},
        {"Crosshair", "Přesný výběr", "cross", {"crosshair", "cross", "tcross"}},
        {"IBeam", "Výběr textu", "text", {"text", "xterm", "ibeam"}},
        {"NWPen", "Rukopis", "hand", {"pencil"}},
        {"No", "Nedostupné", "unavailable",
         {"not-allowed", "crossed_circle", "forbidden", "no-drop", "03b6e0fcb3499374a867c041f52298f0"}},
        {"SizeNS", "Svislá změna velikosti", "vert",
         {"ns-resize", "size_ver", "sb_v_double_arrow", "v_double_arrow", "n-resize", "s-resize", "row-resize", "double_arrow",
          "00008160000006810000408080010102", "2870a09082c103050810ffdffffe0204"}},
        {"SizeWE", "Vodorovná změna velikosti", "horz",
         {"ew-resize", "size_hor", "sb_h_double_arrow", "h_double_arrow", "e-resize", "w-resize", "col-resize",
          "028006030e0e7ebffc7f7070c0600140", "14fef782d02440884392942c11205230"}},
        {"SizeNWSE", "Úhlopříčná změna velikosti 1", "dgn1",
         {"nwse-resize", "size_fdiag", "bd_double_arrow", "nw-resize", "se-resize", "c7088f0f3e6c8088236ef8e1e3e70000"}},
        {"SizeNESW", "Úhlopříčná změna velikosti 2", "dgn2",
         {"nesw-resize", "size_bdiag", "fd_double_arrow", "ne-resize", "sw-resize", "fcf1c3c7cd4491d801f1e1c78f100000"}},
        {"SizeAll", "Přesunout", "move", {"move", "fleur", "size_all", "all-scroll"}},
        {"UpArrow", "Alternativní výběr", "alternate", {"up-arrow", "center_ptr", "sb_up_arrow"}},
        {"Hand", "Výběr odkazu", "link",
         {"pointer", "hand2", "hand1", "hand", "pointing_hand", "9d800788f1b08800ae810202380a0822",
          "e29285e634086352946a0e7090d73106"}},
        {"Pin", "Výběr umístění", "pin", {}},
        {"Person", "Výběr osoby", "person", {}},
    };
    return roles;
}

const CursorRole* RoleByWindowsName(std::string_view name) {
    const auto same = [&](const CursorRole& role) {
        return std::equal(name.begin(), name.end(), role.windowsName.begin(), role.windowsName.end(),
                          [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) ==
                                                      std::tolower(static_cast<unsigned char>(b)); });
    };
    const auto roles = CursorRoles();
    const auto found = std::find_if(roles.begin(), roles.end(), same);
    return found == roles.end() ? nullptr : &*found;
}

std::size_t RoleIndex(const CursorRole& role) { return static_cast<std::size_t>(&role - CursorRoles().data()); }

}  // namespace kurzory
