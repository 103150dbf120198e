#pragma once
#include "desktop/program_start.h"

namespace animace {

inline constexpr desktop::ProgramIdentity kProgram{
    "animace", "cz.kurzory.animace",
    "Použití: animace [CESTA]\n"
    "\n"
    "animace je průvodce, který ze statických kurzorů (.cur) sestaví animovaný\n"
    "kurzor (.ani) ve čtyřech krocích: výběr snímků, jejich pořadí, časy zobrazení\n"
    "a zápis souboru. Složka CESTY je výchozí složkou výběru i zápisu; poslední část\n"
    "CESTY je jménem výstupního souboru, pokud nekončí znakem „#“."};

}  // namespace animace
