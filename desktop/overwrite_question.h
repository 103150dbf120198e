#pragma once

namespace desktop {

// Asked before a file the user already has is replaced by different bytes.
inline constexpr char kOverwriteQuestion[] = "Soubor již existuje. Přepsat?";

}  // namespace desktop
