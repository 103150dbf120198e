#include "iconfile/system_error_text.h"

#include <cerrno>
#include <string>

namespace iconfile {

// Every errno value that opening, reading, writing, flushing, renaming and removing a file, or
// reading a folder, can give on Linux.
std::string SystemErrorText(int errorNumber) {
    switch (errorNumber) {
        case kNotARegularFile: return "Není to obyčejný soubor";
        case ENOENT: return "Soubor nebo složka neexistuje";
        case EACCES: return "Přístup odepřen";
        case EPERM: return "Operace není povolena";
        case EISDIR: return "Je to složka";
        case ENOTDIR: return "Část cesty není složka";
        case ENOSPC: return "Na zařízení nezbývá místo";
        case EDQUOT: return "Překročena kvóta místa na disku";
        case EROFS: return "Systém souborů je jen pro čtení";
        case EFBIG: return "Soubor je příliš velký";
        case EOVERFLOW: return "Hodnota je mimo povolený rozsah";
        case EIO: return "Chyba vstupu/výstupu";
        case EXDEV: return "Přejmenovat nelze mezi různými systémy souborů";
        case EEXIST: return "Soubor už existuje";
        case ENOTEMPTY: return "Složka není prázdná";
        case ENAMETOOLONG: return "Název souboru je příliš dlouhý";
        case ELOOP: return "Příliš mnoho symbolických odkazů";
        case EMLINK: return "Příliš mnoho odkazů";
        case ETXTBSY: return "Soubor je právě spouštěn";
        case EBUSY: return "Zařízení nebo prostředek je zaneprázdněn";
        case EAGAIN: return "Prostředek je dočasně nedostupný";
        case EINTR: return "Přerušeno signálem";
        case EINVAL: return "Neplatný argument";
        case EBADF: return "Soubor není otevřen";
        case EFAULT: return "Chybná adresa";
        case EMFILE: return "Příliš mnoho otevřených souborů";
        case ENFILE: return "Příliš mnoho otevřených souborů v systému";
        case ENOMEM: return "Nedostatek paměti";
        case ENODEV: return "Zařízení neexistuje";
        case ENXIO: return "Zařízení nebo adresa neexistuje";
        case EOPNOTSUPP: return "Operace není podporována";
        case EPIPE: return "Roura je přerušena";
        case ESPIPE: return "Neplatný posun v souboru";
        case EDESTADDRREQ: return "Chybí cílová adresa";
        case ENOLCK: return "Žádné zámky nejsou k dispozici";
        case ESTALE: return "Zastaralý odkaz na soubor v síťovém systému souborů";
        case ECONNRESET: return "Spojení přerušeno druhou stranou";
        case ENOTCONN: return "Není spojeno";
        case ETIMEDOUT: return "Vypršel čas";
        case ECANCELED: return "Operace zrušena";
        case ENOSYS: return "Funkce není implementována";
        case EUCLEAN: return "Struktura systému souborů je poškozena";
        default: return "Neznámá chyba systému (" + std::to_string(errorNumber) + ")";
    }
}

}  // namespace iconfile
