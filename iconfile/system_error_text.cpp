#include "iconfile/system_error_text.h"

#include <cerrno>
#include <system_error>

namespace iconfile {

std::string SystemErrorText(int errorNumber) {
    switch (errorNumber) {
        case kNotARegularFile: return "Není to obyčejný soubor";
        case ENOENT: return "Soubor nebo složka neexistuje";
        case EACCES:
        case EPERM: return "Přístup odepřen";
        case EISDIR: return "Je to složka";
        case ENOSPC: return "Na zařízení nezbývá místo";
        case EROFS: return "Systém souborů je jen pro čtení";
        case EFBIG: return "Soubor je příliš velký";
        case EIO: return "Chyba vstupu/výstupu";
        default: return std::generic_category().message(errorNumber);
    }
}

}  // namespace iconfile
