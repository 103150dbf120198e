#pragma once
#include "desktop/program_start.h"

namespace pelcor {

inline constexpr desktop::ProgramIdentity kProgram{
    "Pelcor", "cz.kurzory.Pelcor",
    "Použití: Pelcor BITMAPA\n"
    "\n"
    "Pelcor převede 256barevnou bitmapu (.bmp) o 16, 24, 32, 48, 64 nebo 96 bodech\n"
    "do čtverce na ikonu (.ico) s jedním obrázkem. Kliknutím do zvětšeného obrázku\n"
    "lze vybrat barvu, která bude průhledná; „O.K.“ zapíše ikonu vedle bitmapy pod\n"
    "stejným jménem s příponou .ico."};

}  // namespace pelcor
