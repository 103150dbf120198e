// kurzory xcursor: the same cursor in the X11 cursor format of Linux desktops, written by
// libxcursor: one image per step with its frame's hot spot and time.
#include <array>
#include <cstring>
#include <filesystem>
#include <functional>

#include "iconfile/file_outcome.h"
#include "iconfile/replacement_folder.h"
#include "kurzory/arguments.h"
#include "kurzory/messages.h"
#include "kurzory/output_file.h"
#include "kurzory/subcommands.h"
#include "kurzory/xcursor_images.h"

namespace kurzory {
namespace {

namespace fs = std::filesystem;

std::span<const std::uint8_t> BytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// The index that makes a folder a theme a desktop can list.
std::string ThemeIndex(const fs::path& theme) {
    const std::string name = theme.filename().empty() ? theme.parent_path().filename().string() : theme.filename().string();
    return "[Icon Theme]\nName=" + name + "\nComment=Kurzory vytvořené programem kurzory\n";
}

std::string Failure(const iconfile::FileOutcome& outcome) { return FileFailureText(outcome.path(), outcome.reason()); }

// Runs the steps in order up to the first that fails; its failure line, or an empty text.
std::string FirstFailure(std::initializer_list<std::function<iconfile::FileOutcome()>> steps) {
    for (const auto& step : steps) {
        if (const iconfile::FileOutcome done = step(); !done.succeeded()) return Failure(done);
    }
    return {};
}

// Puts the cursor into the theme whole or not at all: a new theme, or a theme without its
// cursors folder, is built beside and renamed into place; into an existing one the index (when
// missing) and then the cursor go file by file, each replacing its name only once complete.
std::string WriteIntoTheme(const fs::path& theme, const std::string& name, std::span<const std::uint8_t> cursor) {
    iconfile::SystemFileOperations files;
    std::error_code error;
    const fs::path index = theme / "index.theme";
    const std::string indexText = ThemeIndex(theme);
    if (!fs::exists(fs::symlink_status(theme, error))) {
        // The folders that hold themes (~/.icons) are made as they would be for any theme.
        if (const fs::path parent = theme.parent_path(); !parent.empty() && !fs::create_directories(parent, error) && error)
            return FileFailureText(parent.string(), iconfile::FileOutcome::FromErrno("", error.value()).reason());
        iconfile::ReplacementFolder folder(theme.string(), files);
        return FirstFailure({[&] { return folder.Create(); }, [&] { return folder.MakeFolder("cursors"); },
                             [&] { return folder.WriteFile("cursors/" + name, cursor); },
                             [&] { return folder.WriteFile("index.theme", BytesOf(indexText)); },
                             [&] { return folder.Commit(); }});
    }
    if (!fs::exists(fs::symlink_status(index, error))) {
        if (iconfile::FileOutcome written = WriteWholeFile(index.string(), BytesOf(indexText)); !written.succeeded())
            return Failure(written);
    }
    const fs::path cursors = theme / "cursors";
    if (!fs::exists(fs::symlink_status(cursors, error))) {
        iconfile::ReplacementFolder folder(cursors.string(), files);
        return FirstFailure({[&] { return folder.Create(); }, [&] { return folder.WriteFile(name, cursor); },
                             [&] { return folder.Commit(); }});
    }
    const iconfile::FileOutcome written = WriteWholeFile((cursors / name).string(), cursor);
    return written.succeeded() ? std::string() : Failure(written);
}

}  // namespace

int RunXcursor(Words words, const Console& console) {
    static const OptionSpec options[] = {{"-o", true}, {"--theme", true}, {"--name", true}, {"--force", false}};
    int status = 0;
    const std::optional<ParsedArguments> parsed = ParseCommand(words, options, XcursorHelp(), console, status);
    if (!parsed) return status;
    if (parsed->paths.size() != 1) return console.Fail(InputCountText("xcursor"));
    const std::string& input = parsed->paths.front();
    const std::string* theme = parsed->Value("--theme");
    const std::string* name = parsed->Value("--name");
    if ((theme == nullptr) != (name == nullptr) || (theme && parsed->Value("-o")) ||
        (name && (name->empty() || *name == "." || *name == ".." || name->find('/') != std::string::npos)))
        return console.Fail(ThemeNameText());

    animace::FileByteSource source;
    if (const int error = source.Open(input); error != 0)
        return console.Fail(FileFailureText(input, iconfile::FileOutcome::FromErrno(input, error).reason()));
    std::array<std::uint8_t, 4> start{};
    const bool riff = source.ReadAt(0, start) && std::memcmp(start.data(), "RIFF", 4) == 0;
    std::variant<MadeImages, std::string> made = riff ? AnimatedImages(input, source) : CursorImages(input);
    if (const std::string* refusal = std::get_if<std::string>(&made)) return console.Fail(*refusal);
    const XcursorImageSet& images = std::get<MadeImages>(made).images;

    const std::string output = theme ? (fs::path(*theme) / "cursors" / *name).string()
                               : parsed->Value("-o") ? *parsed->Value("-o")
                                                     : fs::path(input).replace_extension("").string();
    if (SameExistingFile(input, output)) return console.Fail(OutputIsInputText(output));
    if (std::string refusal = RefusedOutput(output, parsed->Has("--force")); !refusal.empty()) return console.Fail(refusal);

    const std::optional<std::vector<std::uint8_t>> bytes = XcursorBytes(*images);
    if (!bytes) return console.Fail(FileFailureText(output, iconfile::FileOutcome::FromErrno(output, ENOMEM).reason()));
    if (theme) {
        if (std::string failure = WriteIntoTheme(*theme, *name, *bytes); !failure.empty()) return console.Fail(failure);
    } else if (const iconfile::FileOutcome written = WriteWholeFile(output, *bytes); !written.succeeded()) {
        return console.Fail(FileFailureText(written.path(), written.reason()));
    }
    if (const std::uint64_t inverted = std::get<MadeImages>(made).invertedPixels; inverted != 0)
        console.err << "kurzory: " << InvertedPixelsText(input, inverted) << '\n';
    return 0;
}

}  // namespace kurzory
