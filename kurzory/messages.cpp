#include "kurzory/messages.h"

#include "animace/number_text.h"

#ifndef KURZORY_VERSION
#define KURZORY_VERSION ""
#endif

namespace kurzory {
namespace {

std::string Quoted(const std::string& text) { return "„" + text + "“"; }

std::string WithoutLeadingBlank(std::string text) {
    if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    return text;
}

}  // namespace

std::string MainHelp() {
    return "Použití: kurzory PŘÍKAZ [VOLBY] SOUBOR...\n"
           "Převody Kurzorových nástrojů z příkazové řádky.\n"
           "\n"
           "Příkazy:\n"
           "  ani      sestaví animovaný kurzor (.ani) ze statických kurzorů nebo obrázků PNG\n"
           "  cur      převede ikonu nebo obrázky PNG na kurzor s daným aktivním bodem\n"
           "  ico      převede kurzor nebo 256-barevný obrázek na ikonu\n"
           "  info     vypíše obsah ikon, kurzorů a animovaných kurzorů a jejich problémy\n"
           "  sada     sestaví celou sadu kurzorů pro Windows a Linux, nebo převezme schéma Windows\n"
           "  xcursor  převede kurzor do formátu kurzorů X11 pro plochy Linuxu\n"
           "\n"
           "Nápovědu k příkazu vypíše kurzory PŘÍKAZ --help, verzi kurzory --version.\n";
}

std::string AniHelp() {
    return "Použití: kurzory ani -o VÝSTUP.ani [--sequence 1,2,3,2] [--times 1,.5,1,.5] [--hotspot X,Y] [--force]\n"
           "                    SNÍMEK.cur|SNÍMEK.png...\n"
           "Sestaví animovaný kurzor tak, jak ho zapíše průvodce animace.\n"
           "  -o VÝSTUP        výstupní soubor, použije se tak, jak je zadán\n"
           "  --sequence SEZ   čísla snímků v pořadí kroků (snímky se číslují od 1 v pořadí zadání);\n"
           "                   bez volby se každý snímek ukáže jednou\n"
           "  --times SEZ      doba zobrazení v sekundách (0.05 až 1638.35, desetinná tečka), jedna pro\n"
           "                   všechny kroky nebo jedna pro každý krok; bez volby 1 s\n"
           "  --hotspot X,Y    aktivní bod snímků PNG (i VELIKOST:X,Y jako u kurzory cur); kurzor má vlastní\n"
           "                   aktivní bod\n"
           "  --force          přepíše existující výstupní soubor\n"
           "Snímků i kroků musí být aspoň dva. Snímek je kurzor nebo čtvercový obrázek PNG; kurzor může\n"
           "mít více velikostí, ale všechny snímky musí mít tytéž velikosti.\n";
}

std::string CurHelp() {
    return "Použití: kurzory cur --hotspot X,Y [-o VÝSTUP.cur] [--force] VSTUP.ico\n"
           "         kurzory cur --hotspot X,Y [--hotspot VELIKOST:X,Y]... [-o VÝSTUP.cur] [--force] OBRÁZEK.png...\n"
           "Převede ikonu na kurzor jako Skiren; z ikony více velikostí udělá kurzor všech velikostí (z\n"
           "obrázků jedné velikosti ten s nejvíce barvami). Z obrázků PNG jednoho kurzoru v různých\n"
           "velikostech (čtvercových, nejvýš 256 bodů) udělá jeden kurzor všech velikostí.\n"
           "  --hotspot X,Y    aktivní bod v prvním obrázku (PNG nebo ikony): sloupec a řádek od levého\n"
           "                   horního rohu; pro ostatní velikosti se přepočte (polovina k sudému)\n"
           "  --hotspot VELIKOST:X,Y\n"
           "                   aktivní bod obrázku dané velikosti, např. 48:6,7; lze zadat víckrát\n"
           "  -o VÝSTUP        výstupní soubor; bez volby jméno vstupu s příponou cur místo posledních\n"
           "                   tří znaků\n"
           "  --force          přepíše existující výstupní soubor\n";
}

std::string IcoHelp() {
    return "Použití: kurzory ico [-o VÝSTUP.ico] [--force] VSTUP.cur\n"
           "         kurzory ico [--transparent X,Y] [-o VÝSTUP.ico] [--force] VSTUP.bmp\n"
           "Převede kurzor na ikonu jako Skiren, nebo 256-barevný obrázek na ikonu jako Pelcor; druh\n"
           "vstupu se pozná podle obsahu.\n"
           "  --transparent X,Y  barva bodu ve sloupci X a řádku Y (řádky shora) bude průhledná\n"
           "  -o VÝSTUP          výstupní soubor; bez volby jako Skiren nebo Pelcor\n"
           "  --force            přepíše existující výstupní soubor\n";
}

std::string InfoHelp() {
    return "Použití: kurzory info [--json] SOUBOR...\n"
           "Vypíše obrázky ikony nebo kurzoru, u animovaného kurzoru snímky (s velikostmi), kroky,\n"
           "příznaky, snímek a dobu každého kroku, a pro každý program (Wine, gdk-pixbuf, KDE), co se\n"
           "souborem udělá:\n"
           "plays (přehraje, jak soubor zamýšlí), copes (přehraje tak i přes nepravidelnost),\n"
           "misplays (přehraje jinak), refuses (odmítne ho), crashes (spadne), i s důvody.\n"
           "  --json   jeden objekt JSON na řádek pro každý soubor:\n"
           "           {\"file\": CESTA, \"kind\": \"ani\"|\"cur\"|\"ico\", \"readable\": true|false,\n"
           "            \"loaders\": {\"wine\"|\"gdk-pixbuf\"|\"kde\": {\"verdict\": SLOVO, \"problems\": [TEXT...]}},\n"
           "            \"status\": N, ...}; dále u animovaného kurzoru \"bytes\", \"declared_frames\",\n"
           "           \"declared_steps\", \"flags\", \"default_jiffies\", \"frames\" (bytes, width, height,\n"
           "           hotspot, sizes) a \"steps\" (frame od 1, jiffies = 1/60 s), u ikony a kurzoru \"images\".\n"
           "           Nečitelný soubor má \"readable\": false a jeho chyba jde na chybový výstup.\n"
           "Návratový kód: 0, když ho každý program přehraje, jak soubor zamýšlí; 2, když ho některý\n"
           "přehraje jinak, odmítne nebo na něm spadne, nebo když soubor nejde přečíst; jinak (některý\n"
           "si poradí) 1. U více souborů ten nejvyšší.\n";
}

std::string XcursorHelp() {
    return "Použití: kurzory xcursor [-o VÝSTUP] [--force] VSTUP.ani|VSTUP.cur\n"
           "         kurzory xcursor --theme SLOŽKA --name JMÉNO [--force] VSTUP.ani|VSTUP.cur\n"
           "Zapíše týž kurzor ve formátu kurzorů X11, který používají plochy Linuxu, se všemi\n"
           "velikostmi každého snímku. Invertující body černobílého kurzoru formát X11 neumí: zůstanou\n"
           "průhledné a příkaz na to upozorní.\n"
           "  -o VÝSTUP        výstupní soubor; bez volby jméno vstupu bez přípony\n"
           "  --theme SLOŽKA   zapíše SLOŽKA/cursors/JMÉNO a SLOŽKA/index.theme (chybí-li)\n"
           "  --name JMÉNO     jméno kurzoru v motivu, např. left_ptr\n"
           "  --force          přepíše existující výstupní soubor\n";
}

std::string VersionText() {
    const std::string version = KURZORY_VERSION;
    return "kurzory " + (version.empty() ? std::string("(vývojová verze)") : version) + "\n";
}

std::string UnknownCommandText(const std::string& command) {
    return "Neznámý příkaz " + Quoted(command) + "; seznam příkazů vypíše kurzory --help.";
}
std::string UnknownOptionText(const std::string& option) {
    return "Neznámá volba " + Quoted(option) + "; nápovědu vypíše volba --help.";
}
std::string MissingValueText(const std::string& option) { return "Volbě " + option + " chybí hodnota."; }
std::string RepeatedOptionText(const std::string& option) { return "Volba " + option + " je zadána dvakrát."; }
std::string InputCountText(const std::string& command) {
    return "Příkaz " + command + " potřebuje právě jeden vstupní soubor.";
}
std::string SequenceText(const std::string& text) {
    return "Neplatné pořadí " + Quoted(text) + ": zadejte čísla snímků od 1 oddělená čárkami.";
}
std::string SequenceBeyondFramesText(long long entry, std::size_t frames) {
    return "Pořadí obsahuje snímek " + std::to_string(entry) + ", ale snímků je jen " + std::to_string(frames) + ".";
}
std::string TimeText(const std::string& text) {
    return "Neplatná doba " + Quoted(text) + ": zadejte sekundy od 0.05 do 1638.35 s desetinnou tečkou.";
}
std::string TimeCountText(std::size_t steps) {
    return "Dob musí být jedna pro všechny kroky, nebo " + std::to_string(steps) + ", jedna pro každý krok.";
}
std::string FrameCountText() { return "Animace potřebuje aspoň dva snímky."; }
std::string StepCountText() { return "Animace potřebuje aspoň dva kroky."; }
std::string PointOptionText(const std::string& option, const std::string& text) {
    return "Neplatná hodnota " + Quoted(text) + " volby " + option + ": zadejte X,Y, dvě celá čísla od 0.";
}
std::string OptionNeededText(const std::string& option) { return "Chybí povinná volba " + option + "."; }
std::string OptionNotForText(const std::string& option, const std::string& path) {
    return path + ": volba " + option + " platí jen pro rastrový obrázek.";
}
std::string HotSpotOptionText(const std::string& text) {
    return "Neplatná hodnota " + Quoted(text) +
           " volby --hotspot: zadejte X,Y, nebo VELIKOST:X,Y pro obrázek dané velikosti (1 až 256).";
}
std::string NoPictureOfSizeText(int size) {
    return "Volba --hotspot " + std::to_string(size) + ":…: žádný obrázek nemá velikost " + std::to_string(size) +
           " bodů.";
}
std::string HotSpotOnlyForPngText() {
    return "Volba --hotspot platí jen pro snímky PNG; kurzor má svůj aktivní bod.";
}
std::string ThemeNameText() { return "Volby --theme a --name se zadávají spolu a bez volby -o."; }

std::string FileFailureText(const std::string& path, const std::string& reason) { return path + ": " + reason; }
std::string NotCursorFrameText(const std::string& path) {
    return path + ": soubor není kurzor ani obrázek PNG.";
}
std::string OutputExistsText(const std::string& path) {
    return path + ": soubor už existuje; přepíše se jen s volbou --force.";
}
std::string OutputIsFrameText(const std::string& path) {
    return path + ": výstupní soubor je zároveň jedním ze snímků.";
}
std::string TooLargeText(const std::string& path) {
    return path + ": animace by byla delší než 2147483647 bajtů.";
}
std::string AlreadyCursorText(const std::string& path) {
    return path + ": soubor už je kurzor; ikonu z něj udělá kurzory ico.";
}
std::string NotIconOrCursorText(const std::string& path) {
    return path + ": soubor není soubor ikony nebo kurzoru.";
}
std::string NoOutputNameText(const std::string& path) {
    return path + ": z cesty nelze odvodit jméno výstupního souboru; zadejte ho volbou -o.";
}
std::string NotPelcorBitmapText(const std::string& path) {
    return path + ": soubor není 256-barevný rastrový obrázek 16x16, 24x24, 32x32, 48x48, 64x64 nebo 96x96 bodů.";
}
std::string NotCursorOrBitmapText(const std::string& path) {
    return path + ": soubor není kurzor ani 256-barevný obrázek.";
}
std::string HotSpotOutsideText(const std::string& path, int width, int height) {
    return path + ": aktivní bod musí ležet uvnitř obrázku, ve sloupci 0 až " + std::to_string(width - 1) +
           " a v řádku 0 až " + std::to_string(height - 1) + ".";
}
std::string PickOutsideText(const std::string& path, int size) {
    return path + ": průhledný bod musí ležet uvnitř obrázku, ve sloupci i řádku 0 až " + std::to_string(size - 1) + ".";
}
std::string NotAnimatedCursorText(const std::string& path) {
    return path + ": soubor není čitelný animovaný kurzor (chybí RIFF ACON nebo hlavička anih).";
}
std::string UnreadableFrameText(const std::string& path, std::uint64_t frame) {
    return path + ": snímek " + std::to_string(frame + 1) + " nejde přečíst jako kurzor.";
}
std::string DamagedFrameText(const std::string& path, std::uint64_t frame, const std::string& fault) {
    return path + ": snímek " + std::to_string(frame + 1) + ": " + fault;
}

std::string NotCursorText(const std::string& path) {
    return path + ": soubor není kurzor ani animovaný kurzor.";
}
std::string OutputIsInputText(const std::string& path) {
    return path + ": výstupní soubor by přepsal vstupní; zadejte jiný volbou -o.";
}
std::string UnknownFileKindText(const std::string& path) {
    return path + ": soubor není ikona, kurzor ani animovaný kurzor.";
}
std::string TooManyImagesText(const std::string& path) {
    return path + ": kroků a velkých snímků je tolik, že by se obrázky kurzoru X11 nevešly do paměti.";
}
std::string TooLargeIconText(const std::string& path) {
    return path + ": soubor je větší než 16 MiB; takovou ikonu ani kurzor žádný program nenačte.";
}
std::string UnreadableImageText(const std::string& path, std::size_t image) {
    return path + ": obrázek " + std::to_string(image + 1) + " nejde přečíst.";
}
std::string NotSquareText(const std::string& path, int width, int height) {
    return path + ": obrázek má " + std::to_string(width) + " × " + std::to_string(height) +
           " bodů; kurzor potřebuje čtvercový obrázek.";
}
std::string PictureTooLargeText(const std::string& path, int size) {
    return path + ": obrázek má " + std::to_string(size) + " × " + std::to_string(size) +
           " bodů; kurzor může mít nejvýš 256 × 256 bodů.";
}
std::string UnreadablePictureText(const std::string& path) {
    return path + ": soubor nejde přečíst jako obrázek PNG.";
}
std::string SizeTwiceText(const std::string& path, int size) {
    return path + ": velikost " + std::to_string(size) + " × " + std::to_string(size) +
           " bodů už má jiný obrázek; každá velikost smí být jen jednou.";
}
std::string MixedInputText(const std::string& path) {
    return path + ": soubor není obrázek PNG; více vstupů musí být samé obrázky PNG.";
}
std::string FrameSizesText(const std::string& path, std::optional<std::uint64_t> frame, const std::string& sizes,
                           const std::string& firstSizes) {
    return path + ": snímek " + (frame ? std::to_string(*frame + 1) + " " : std::string()) + "má velikosti " + sizes +
           ", ale první snímek " + firstSizes +
           "; všechny snímky musí mít tytéž velikosti.";
}
std::string InvertedPixelsText(const std::string& path, std::uint64_t count) {
    return path + ": varování: formát X11 neumí invertující body (XOR) černobílého kurzoru; počet bodů, které " +
           "zůstanou průhledné: " + std::to_string(count) + ".";
}
std::string NoFilesText() { return "Příkaz info potřebuje aspoň jeden soubor."; }

std::string LoaderKey(animace::CursorLoader loader) {
    switch (loader) {
        case animace::CursorLoader::Wine: return "wine";
        case animace::CursorLoader::GdkPixbuf: return "gdk-pixbuf";
        case animace::CursorLoader::Kde: break;
    }
    return "kde";
}

std::string VerdictWord(animace::Verdict verdict) {
    switch (verdict) {
        case animace::Verdict::Plays: return "plays";
        case animace::Verdict::Copes: return "copes";
        case animace::Verdict::Misplays: return "misplays";
        case animace::Verdict::Refuses: return "refuses";
        case animace::Verdict::Crashes: break;
    }
    return "crashes";
}

std::string LoaderNoteText(animace::LoaderNote note) {
    using enum animace::LoaderNote;
    switch (note) {
        case FlagsWithoutIconBit: return "příznaky nemají bit 0 (snímky jsou ikony)";
        case SequenceNeedsFlag: return "blok „seq “ bez bitu pořadí (2) se nečte";
        case SequenceFlagWithoutChunk: return "bit pořadí (2) bez bloku „seq “: snímky jdou popořadě";
        case SequenceReadWithoutFlag: return "blok „seq “ se čte i bez bitu pořadí (2)";
        case SequenceBeyondFrames: return "pořadí ukazuje na snímek, který v souboru není";
        case SequenceShort: return "blok „seq “ má méně položek než kroků";
        case RateShort: return "blok „rate“ má méně položek než kroků: doba se čte z bajtů za ním";
        case RepeatedFrameKeepsFirstRate: return "snímek ukázaný znovu si nechá dobu svého prvního kroku";
        case FrameCountAboveFrameChunks: return "hlavička udává víc snímků, než je bloků „icon“";
        case FrameCountBelowFrameChunks: return "bloků „icon“ je víc, než udává hlavička";
        case ForeignChunkInFrameList: return "v seznamu snímků je jiný blok než „icon“";
        case PadByteInFrameList: return "za snímkem liché délky je bajt výplně a další snímky se čtou posunuté";
        case FrameDamaged: return "obrázek snímku je uříznutý nebo to není ikona";
        case NoFrameList: return "chybí seznam snímků (LIST fram) nebo je prázdný";
        case RiffSizeUnusable: return "velikost RIFF je 0, 0xFFFFFFFF nebo menší než bloky";
        case HeaderChunkSize: return "velikost bloku „anih“ není 36";
        case HeaderCounts: return "počet snímků nebo kroků je 0 nebo 1024 a víc";
        case ChunkOrder: return "blok stojí před hlavičkou „anih“, nebo je „anih“ dvakrát";
        case ForeignChunk: return "neznámý blok ukončí čtení";
        case ListSize: return "počet položek „seq “ nebo „rate“ neodpovídá počtu kroků";
        case StepsDifferFromFrames: return "kroků je jiný počet než snímků a pořadí chybí nebo jen roste";
        case StepsFromFrameCount: return "bez bitu pořadí (2) hraje tolik kroků, kolik je snímků";
        case CompressedFrame: return "snímek nebo obrázek je komprimovaný (PNG)";
        case ZeroTotalTime: return "všechny kroky trvají 0";
        case FirstStepShowsFrameOne: return "jako první ukáže vždy uložený snímek 1";
        case FramesLostAfterPad: return "za bajtem výplně po snímku liché délky další snímky nenajde";
        case OddChunkWithoutPad: return "za blokem liché délky chybí bajt výplně";
        case ReadsPastEnd: return "čte za koncem souboru (soubor je uříznutý nebo velikosti bloků lžou)";
        case TintedMonoFrame: return "jednobitový obrázek s jinými barvami než černou a bílou ukáže černobíle";
        case HeaderPictureSize: return "snímky udělá tak velké, jak udává hlavička „anih“, tady přes 256 bodů";
        case NoImages: break;
    }
    return "soubor nemá žádný obrázek";
}

std::string IrregularityText(animace::Irregularity irregularity) {
    using enum animace::Irregularity;
    switch (irregularity) {
        case RiffSizeDiffers: return "velikost RIFF nesouhlasí s délkou souboru";
        case HeaderSizeNot36: return "velikost hlavičky „anih“ není 36";
        case FrameCountDiffers: return "počet bloků „icon“ se liší od počtu snímků v hlavičce";
        case SequenceFlagDisagrees: return "bit pořadí (2) a blok „seq “ si odporují";
        case ListLengthDiffers: return "počet položek „seq “ nebo „rate“ neodpovídá počtu kroků";
        case RepeatedChunk: return "blok „anih“, „seq “, „rate“ nebo seznam snímků je v souboru dvakrát";
        case FrameChunkOutsideList: return "blok „icon“ stojí mimo seznam snímků";
        case ForeignChunkInFrameList: return "v seznamu snímků je jiný blok než „icon“";
        case StepsBeyondFrames: break;
    }
    return "krok ukazuje na snímek, který v souboru není";
}

std::string LoaderVerdictText(animace::CursorLoader loader, const animace::LoaderVerdict& verdict) {
    std::string name;
    switch (loader) {
        case animace::CursorLoader::Wine: name = "Wine (user32)"; break;
        case animace::CursorLoader::GdkPixbuf: name = "gdk-pixbuf"; break;
        case animace::CursorLoader::Kde: name = "KDE"; break;
    }
    std::string what;
    switch (verdict.verdict) {
        case animace::Verdict::Plays: what = "přehraje, jak soubor zamýšlí"; break;
        case animace::Verdict::Copes: what = "si poradí a přehraje, jak soubor zamýšlí"; break;
        case animace::Verdict::Misplays: what = "přehraje jinak"; break;
        case animace::Verdict::Refuses: what = "soubor odmítne"; break;
        case animace::Verdict::Crashes: what = "spadne"; break;
    }
    std::string line = name + ": " + what + " (" + VerdictWord(verdict.verdict) + ")";
    for (std::size_t i = 0; i < verdict.notes.size(); ++i)
        line += (i == 0 ? " – " : "; ") + LoaderNoteText(verdict.notes[i]);
    return line + ".";
}

std::string JiffiesInSeconds(std::uint32_t jiffies) {
    // A jiffy is 1/60 s; times the wizard writes are whole twentieths and print exactly.
    if (jiffies % 3 == 0) return WithoutLeadingBlank(animace::ShortFormOfTwentieths(jiffies / 3)) + " s";
    return std::to_string(jiffies) + "/60 s";
}

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
