#pragma once
#include "desktop/input_file_dialog.h"
#include "desktop/program_start.h"

namespace pelcor {

inline constexpr desktop::ProgramIdentity kProgram{
    "Pelcor", "cz.kurzory.Pelcor",
    "Použití: Pelcor [BITMAPA]\n"
    "\n"
    "Pelcor převede bitmapu s paletou (.bmp; 1, 4 nebo 8 bitů na bod, i komprimovanou\n"
    "RLE) o 16, 24, 32, 48, 64 nebo 96 bodech do čtverce na 256barevnou ikonu (.ico)\n"
    "s jedním obrázkem. Kliknutím do zvětšeného obrázku lze vybrat barvu, která bude\n"
    "průhledná; „O.K.“ zapíše ikonu vedle bitmapy pod stejným jménem s příponou .ico.\n"
    "Bez souboru se na ni zeptá v okně výběru souboru."};

// Started without a file, Pelcor asks for what it takes.
inline constexpr desktop::InputFileKind kInputFiles{"Otevřít bitmapu", "Bitmapy (*.bmp)"};

}  // namespace pelcor
