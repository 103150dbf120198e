#pragma once
#include "desktop/input_file_dialog.h"
#include "desktop/program_start.h"

namespace skiren {

inline constexpr desktop::ProgramIdentity kProgram{
    "Skiren", "cz.kurzory.Skiren",
    "Použití: Skiren [SOUBOR]\n"
    "\n"
    "Skiren převede ikonu (.ico) na kurzor myši (.cur). V okně přetáhněte dvě žluté\n"
    "čáry na aktivní bod kurzoru a stiskněte „OK“: kurzor se zapíše vedle ikony pod\n"
    "stejným jménem s koncovkou .cur.\n"
    "Dostane-li kurzor (.cur), zapíše bez okna odpovídající ikonu (.ico) vedle něj.\n"
    "Bez souboru se na něj zeptá v okně výběru souboru."};

// Started without a file, Skiren asks for what it takes.
inline constexpr desktop::InputFileKind kInputFiles{"Otevřít ikonu nebo kurzor", "Ikony a kurzory (*.ico *.cur)"};

}  // namespace skiren
