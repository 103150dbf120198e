#include "kurzory/set_messages.h"

namespace kurzory {
namespace {

std::string Quoted(const std::string& text) { return "„" + text + "“"; }

}  // namespace

std::string SadaHelp() {
    return "Použití: kurzory sada SADA.txt -o SLOŽKA [--force]\n"
           "         kurzory sada --z-inf install.inf -o SLOŽKA [--force]\n"
           "Sestaví celou sadu kurzorů pro Windows i Linux podle souboru sady, nebo převezme schéma\n"
           "kurzorů Windows. Do SLOŽKY zapíše:\n"
           "  windows/        kurzor .cur nebo .ani pro každou roli ve všech velikostech a install.inf\n"
           "                  (pravým tlačítkem „Nainstalovat“ schéma zaregistruje)\n"
           "  x11/NÁZEV/      motiv kurzorů X11: cursors/ se všemi jmény, která programy žádají, a\n"
           "                  index.theme\n"
           "  nahled.png      všechny role ve všech velikostech s vyznačeným aktivním bodem\n"
           "  --z-inf SOUBOR  převezme schéma z install.inf (vedle něj musí být jeho soubory .cur a\n"
           "                  .ani) a zapíše motiv X11 a náhled; všechny velikosti zůstanou\n"
           "  -o SLOŽKA       výstupní složka; zapíše se celá, nebo vůbec\n"
           "  --force         nahradí existující SLOŽKU\n"
           "Chybějící velikosti se zmenší z největšího obrázku; větší velikost, než má kterýkoli\n"
           "obrázek, se vynechá. Ručně kreslené velikosti vypadají lépe než zmenšené.\n"
           "Soubor sady popisuje manuálová stránka kurzory(1).\n";
}

std::string SetLineText() { return "řádek není ani „klíč = hodnota“, ani [Role], ani poznámka za #."; }
std::string SetValueMissingText(const std::string& key) { return "klíči " + Quoted(key) + " chybí hodnota."; }
std::string SetUnknownKeyText(const std::string& key) { return "neznámý klíč " + Quoted(key) + "."; }
std::string SetKeyMissingText(const std::string& key) { return "sadě chybí klíč " + Quoted(key) + "."; }
std::string SetNameText(const std::string& name) {
    return "název sady " + Quoted(name) + " nemůže být jménem složky.";
}
std::string SetSizeText(const std::string& word) {
    return "neplatná velikost " + Quoted(word) + ": zadejte počty bodů od 1 do 256.";
}
std::string SetUnknownRoleText(const std::string& name) {
    return "neznámá role " + Quoted(name) +
           "; role jsou Arrow, Help, AppStarting, Wait, Crosshair, IBeam, NWPen, No, SizeNS, SizeWE, "
           "SizeNWSE, SizeNESW, SizeAll, UpArrow, Hand, Pin a Person.";
}
std::string SetRepeatedRoleText(const std::string& role, int firstLine) {
    return "role " + role + " už je popsána na řádku " + std::to_string(firstLine) + ".";
}
std::string SetNoCursorText() { return "sada nepopisuje žádný kurzor; každý začíná řádkem [Role]."; }
std::string SetNoPicturesText() { return "kurzoru chybí obrázky: zadejte „obrázky“, „snímek“ nebo „soubor“."; }
std::string SetMixedSourcesText() {
    return "kurzor má buď obrázky, nebo snímky, nebo jeden soubor .cur či .ani, ne víc z nich.";
}
std::string SetTimeText(const std::string& word) {
    return "neplatná doba snímku " + Quoted(word) + ": zadejte sekundy od 0.05 do 1638.35 s desetinnou tečkou.";
}
std::string SetHotSpotText(const std::string& value) {
    return "neplatný aktivní bod " + Quoted(value) + ": zadejte X,Y.";
}
std::string SetHotSpotMissingText() { return "kurzoru chybí aktivní bod („bod = X,Y“)."; }
std::string SetHotSpotInFileText() { return "aktivní bod kurzoru ze souboru .cur nebo .ani je uložen v souboru."; }
std::string SetDefaultComment(const std::string& name) { return "Sada kurzorů " + name; }

std::string PictureMissingText(const std::string& path) { return "obrázek " + Quoted(path) + " neexistuje."; }
std::string FrameSizesDifferText(int frame) {
    return "snímek " + std::to_string(frame) + " má jiné velikosti obrázků než snímek 1.";
}
std::string HotSpotOutsidePictureText(int x, int y, int size) {
    return "aktivní bod " + std::to_string(x) + "," + std::to_string(y) + " leží mimo obrázek " + std::to_string(size) +
           " × " + std::to_string(size) + " bodů.";
}
std::string CursorFileUnreadableText(const std::string& path) {
    return "soubor " + Quoted(path) + " není čitelný kurzor ani animovaný kurzor.";
}
std::string SizeLeftOutText(const std::string& role, int size, int largest) {
    return role + ": velikost " + std::to_string(size) + " vynechána, největší obrázek má " + std::to_string(largest) +
           " bodů (nezvětšuje se).";
}
std::string NoSizeLeftText(const std::string& role) {
    return role + ": žádná z žádaných velikostí není menší nebo rovna největšímu obrázku.";
}

std::string SchemeUnreadableText(const std::string& path) { return "Schéma " + Quoted(path) + " nejde přečíst."; }
std::string SchemeNoCursorText(const std::string& path) {
    return "Schéma " + Quoted(path) + " neuvádí žádný soubor kurzoru.";
}
std::string SchemeFileMissingText(const std::string& role, const std::string& path) {
    return "Role " + role + ": soubor " + Quoted(path) + " chybí, role je vynechána.";
}
std::string SchemeFileUnreadableText(const std::string& role, const std::string& path) {
    return "Role " + role + ": soubor " + Quoted(path) + " není čitelný kurzor, role je vynechána.";
}

std::string OutputFolderExistsText(const std::string& path) {
    return "Složka " + Quoted(path) + " už existuje; nahradí ji volba --force.";
}

}  // namespace kurzory
