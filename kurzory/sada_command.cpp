// kurzory sada: a whole cursor set for Windows and Linux from a set file, or a Windows scheme
// imported for Linux; written into a new folder renamed into place at the end.
#include <QGuiApplication>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "iconfile/file_outcome.h"
#include "kurzory/arguments.h"
#include "kurzory/subcommands.h"
#include "kurzory/contact_sheet.h"
#include "kurzory/install_inf.h"
#include "kurzory/messages.h"
#include "kurzory/output_folder.h"
#include "kurzory/set_file.h"
#include "kurzory/set_pictures.h"
#include "kurzory/utf16_text.h"
#include "kurzory/windows_scheme_folder.h"
#include "kurzory/x_cursor_theme.h"

namespace kurzory {
namespace {

namespace fs = std::filesystem;

constexpr int kStatusRoleLeftOut = 1;
// A set file or scheme longer than this is no hand-written text.
constexpr std::uintmax_t kLargestTextFile = 4 << 20;

std::string Failure(const iconfile::FileOutcome& outcome) { return FileFailureText(outcome.path(), outcome.reason()); }

// The whole file, or the failure line naming it.
std::variant<std::vector<std::uint8_t>, std::string> ReadTextFile(const std::string& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return FileFailureText(path, iconfile::FileOutcome::FromErrno(path, error ? error.value() : ENOENT).reason());
    const std::uintmax_t length = fs::file_size(path, error);
    if (error || length > kLargestTextFile) return FileFailureText(path, iconfile::FileOutcome::FromErrno(path, error ? error.value() : EFBIG).reason());
    std::ifstream stream(path, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    if (!stream && !stream.eof()) return FileFailureText(path, iconfile::FileOutcome::FromErrno(path, EIO).reason());
    return bytes;
}

// The lettering of the contact sheet needs the toolkit's fonts, which need an application object;
// none has a display here.
void EnsureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) return;
    static int argc = 3;
    static char name[] = "kurzory", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    // The toolkit's own notes (such as a missing runtime folder) are no concern of the user's.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static std::unique_ptr<QGuiApplication> application = std::make_unique<QGuiApplication>(argc, argv);
}

// A file of the scheme's folder by its name as Windows would find it: letter case ignored.
std::optional<fs::path> FileInFolder(const fs::path& folder, const std::string& name) {
    std::error_code error;
    if (fs::is_regular_file(folder / name, error)) return folder / name;
    const auto lower = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
        return text;
    };
    for (fs::directory_iterator entry(folder.empty() ? "." : folder, error), end; !error && entry != end; entry.increment(error))
        if (lower(entry->path().filename().string()) == lower(name) && entry->is_regular_file(error)) return entry->path();
    return std::nullopt;
}

// The scheme's cursors read from the files beside its install.inf; a role whose file is missing or
// unreadable is named and left out.
std::variant<CursorSet, std::string> ImportedScheme(const std::string& infPath, const Console& console, int& status) {
    std::variant<std::vector<std::uint8_t>, std::string> bytes = ReadTextFile(infPath);
    if (const std::string* failure = std::get_if<std::string>(&bytes)) return *failure;
    const CursorScheme scheme = ReadInstallInf(TextFileAsUtf8(std::get<std::vector<std::uint8_t>>(bytes)));
    if (scheme.files.empty()) return SchemeNoCursorText(infPath);
    CursorSet set;
    const fs::path folder = fs::path(infPath).parent_path();
    set.name = scheme.name.empty() ? fs::absolute(folder).filename().string() : scheme.name;
    set.comment = SetDefaultComment(set.name);
    set.inherits = "Adwaita";
    for (const SchemeFile& file : scheme.files) {
        const std::string role(file.role->windowsName);
        const std::optional<fs::path> found = FileInFolder(folder, file.fileName);
        std::optional<std::vector<CursorStep>> steps = found ? ReadCursorFilePictures(found->string()) : std::nullopt;
        if (!steps) {
            console.err << "kurzory: "
                        << (found ? SchemeFileUnreadableText(role, found->string())
                                  : SchemeFileMissingText(role, (folder / file.fileName).string()))
                        << '\n';
            status = kStatusRoleLeftOut;
            continue;
        }
        set.cursors.push_back({file.role, std::move(*steps)});
    }
    if (set.cursors.empty()) return SchemeNoCursorText(infPath);
    return set;
}

// The theme's folder name: a name fit for one folder.
std::string ThemeFolderName(const std::string& name) {
    std::string folder = name;
    std::replace(folder.begin(), folder.end(), '/', '_');
    if (folder.empty() || folder.front() == '.') folder.insert(folder.begin(), '_');
    return folder;
}

void PrintSummary(const CursorSet& set, const Console& console) {
    console.out << "Sada „" << set.name << "“, kurzorů: " << set.cursors.size() << '\n';
    for (const RoleCursor& cursor : set.cursors) {
        console.out << "  " << cursor.role->czechName << " (" << cursor.role->windowsName << "): ";
        const auto& pictures = cursor.steps.front().pictures;
        for (std::size_t i = 0; i < pictures.size(); ++i) console.out << (i ? ", " : "") << pictures[i].size();
        console.out << " bodů";
        if (cursor.animated()) console.out << ", snímků: " << cursor.steps.size();
        console.out << '\n';
    }
}

}  // namespace

int RunSada(Words words, const Console& console) {
    static const OptionSpec options[] = {{"-o", true}, {"--z-inf", true}, {"--force", false}};
    int status = 0;
    const std::optional<ParsedArguments> parsed = ParseCommand(words, options, SadaHelp(), console, status);
    if (!parsed) return status;
    const std::string* inf = parsed->Value("--z-inf");
    if (parsed->paths.size() != (inf ? 0u : 1u)) return console.Fail(InputCountText("sada"));
    const std::string* output = parsed->Value("-o");
    if (!output) return console.Fail(OptionNeededText("-o"));
    std::error_code error;
    if (fs::exists(fs::symlink_status(*output, error)) && !parsed->Has("--force"))
        return console.Fail(OutputFolderExistsText(*output));
    EnsureGuiApplication();

    CursorSet set;
    std::vector<std::string> notes;
    if (inf) {
        std::variant<CursorSet, std::string> imported = ImportedScheme(*inf, console, status);
        if (const std::string* refusal = std::get_if<std::string>(&imported)) return console.Fail(*refusal);
        set = std::move(std::get<CursorSet>(imported));
    } else {
        const std::string& path = parsed->paths.front();
        std::variant<std::vector<std::uint8_t>, std::string> bytes = ReadTextFile(path);
        if (const std::string* failure = std::get_if<std::string>(&bytes)) return console.Fail(*failure);
        const auto& text = std::get<std::vector<std::uint8_t>>(bytes);
        std::variant<SetDescription, std::string> description = ParseSetFile(path, std::string(text.begin(), text.end()));
        if (const std::string* refusal = std::get_if<std::string>(&description)) return console.Fail(*refusal);
        std::variant<LoadedSet, std::string> loaded = LoadSetPictures(std::get<SetDescription>(description));
        if (const std::string* refusal = std::get_if<std::string>(&loaded)) return console.Fail(*refusal);
        set = std::move(std::get<LoadedSet>(loaded).set);
        notes = std::move(std::get<LoadedSet>(loaded).notes);
    }

    OutputFolder folder(*output);
    if (auto created = folder.Create(); !created.succeeded()) return console.Fail(Failure(created));
    std::vector<std::string> written;
    if (!inf) {
        if (std::string failure = WriteWindowsScheme(set, folder, "windows", written); !failure.empty())
            return console.Fail(failure);
    }
    if (auto made = folder.MakeFolder("x11"); !made.succeeded()) return console.Fail(Failure(made));
    if (auto outcome = WriteXCursorTheme(set, folder, "x11/" + ThemeFolderName(set.name)); !outcome.succeeded())
        return console.Fail(Failure(outcome));
    const std::vector<std::uint8_t> sheet = PngBytes(ContactSheet(set));
    if (sheet.empty()) return console.Fail(Failure(iconfile::FileOutcome::FromErrno((fs::path(*output) / "nahled.png").string(), ENOMEM)));
    if (auto outcome = folder.WriteFile("nahled.png", sheet); !outcome.succeeded()) return console.Fail(Failure(outcome));
    const iconfile::FileOutcome committed = folder.Commit(parsed->Has("--force"));
    if (!committed.succeeded()) return console.Fail(Failure(committed));

    PrintSummary(set, console);
    for (const std::string& note : notes) console.out << "  " << note << '\n';
    console.out << "Zapsáno do " << *output << ": ";
    console.out << (inf ? "" : "windows/, ") << "x11/" << ThemeFolderName(set.name) << "/, nahled.png\n";
    std::vector<std::string> finalPaths;
    for (const std::string& path : written) finalPaths.push_back((fs::path(*output) / path).string());
    if (!finalPaths.empty()) RunInfo(finalPaths, console);
    return status;
}

}  // namespace kurzory
