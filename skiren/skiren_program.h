#pragma once
#include "desktop/program_start.h"

namespace skiren {

inline constexpr desktop::ProgramIdentity kProgram{
    "Skiren", "cz.kurzory.Skiren",
    "Použití: Skiren SOUBOR\n"
    "\n"
    "Skiren převede ikonu (.ico) na kurzor myši (.cur). V okně přetáhněte dvě žluté\n"
    "čáry na aktivní bod kurzoru a stiskněte „OK“: kurzor se zapíše vedle ikony pod\n"
    "stejným jménem s koncovkou .cur.\n"
    "Dostane-li kurzor (.cur), zapíše bez okna odpovídající ikonu (.ico) vedle něj."};

}  // namespace skiren
