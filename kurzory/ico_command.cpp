// kurzory ico: Skiren's cursor-to-icon conversion, or Pelcor's icon of a 256-colour bitmap; the
// input's kind is told by its content.
#include <QDir>
#include <QString>
#include <cerrno>
#include <fstream>

#include "desktop/picture_loader.h"
#include "desktop/private_temp_folder.h"
#include "iconfile/regular_file.h"
#include "iconfile/icon_conversions.h"
#include "iconfile/image_check.h"
#include "iconfile/output_path.h"
#include "kurzory/arguments.h"
#include "kurzory/subcommands.h"
#include "kurzory/messages.h"
#include "kurzory/output_file.h"
#include "kurzory/input_file.h"
#include "pelcor/bitmap_check.h"
#include "pelcor/bitmap_pixels.h"
#include "pelcor/icon_builder.h"
#include "pelcor/icon_path.h"
#include "pelcor/scratch_name.h"

namespace kurzory {
namespace {

bool StartsWithBitmapSignature(const std::string& path) {
    if (!iconfile::IsRegularFile(path)) return false;
    std::ifstream file(path, std::ios::binary);
    char signature[2] = {};
    return file.read(signature, 2) && signature[0] == 'B' && signature[1] == 'M';
}

int IconOfBitmap(const std::string& input, const ParsedArguments& parsed, const Console& console) {
    const std::optional<int> size = pelcor::ValidateBitmap(input);
    std::optional<pelcor::BitmapPixels> pixels;
    if (size) pixels = pelcor::ReadBitmapPixels(input, *size);
    // Pelcor also needs the picture to decode before it takes the file.
    if (!size || !pixels ||
        desktop::LoadPicture(QString::fromStdString(input)).outcome != desktop::PictureLoadOutcome::Loaded)
        return console.Fail(NotPelcorBitmapText(input));

    pelcor::IconBuild build{input, {}, {}, *size, {}};
    if (const std::string* pickText = parsed.Value("--transparent")) {
        const std::optional<std::pair<int, int>> pick = PointText(*pickText);
        if (!pick) return console.Fail(PointOptionText("--transparent", *pickText));
        if (pick->first >= *size || pick->second >= *size) return console.Fail(PickOutsideText(input, *size));
        build.transparent = pelcor::PixelsOfColourAt(*pixels, pick->first, pick->second);
    }
    const std::string* chosen = parsed.Value("-o");
    const std::string output = chosen ? *chosen : pelcor::IconPathFor(input);
    if (pelcor::NamesSameFile(input, output)) return console.Fail(OutputIsInputText(output));
    if (std::string refusal = RefusedOutput(output, parsed.Has("--force")); !refusal.empty()) return console.Fail(refusal);
    build.iconPath = output;

    const desktop::PrivateTempFolder scratch;
    if (!scratch.isValid())
        return console.Fail(FileFailureText(QDir::tempPath().toStdString(), iconfile::FileOutcome::FromErrno("", errno).reason()));
    build.scratchPath =
        scratch.filePath(QString::fromStdString(pelcor::ScratchFileName(pelcor::SecondsSinceMidnight()))).toStdString();
    const iconfile::FileOutcome written = pelcor::BuildIconFile(build);
    if (!written.succeeded()) return console.Fail(FileFailureText(written.path(), written.reason()));
    return 0;
}

int IconOfCursor(const std::string& input, const iconfile::CheckedIconFile& checked, const ParsedArguments& parsed,
                 const Console& console) {
    if (parsed.Value("--transparent")) return console.Fail(OptionNotForText("--transparent", input));
    if (!checked.sound()) return console.Fail(FileFailureText(input, iconfile::FaultText(checked)));
    const std::optional<std::string> output = ChosenOr(parsed.Value("-o"), iconfile::OutputPathFor(input, "ico"));
    if (!output) return console.Fail(NoOutputNameText(input));
    if (std::string refusal = RefusedOutput(*output, parsed.Has("--force")); !refusal.empty()) return console.Fail(refusal);
    const iconfile::FileOutcome written = iconfile::ConvertCursorToIcon(input, *output);
    if (!written.succeeded()) return console.Fail(FileFailureText(written.path(), written.reason()));
    return 0;
}

}  // namespace

int RunIco(Words words, const Console& console) {
    static const OptionSpec options[] = {{"-o", true}, {"--transparent", true}, {"--force", false}};
    int status = 0;
    const std::optional<ParsedArguments> parsed = ParseCommand(words, options, IcoHelp(), console, status);
    if (!parsed) return status;
    if (parsed->paths.size() != 1) return console.Fail(InputCountText("ico"));
    const std::string& input = parsed->paths.front();
    if (std::string refusal = UnreadableInput(input); !refusal.empty()) return console.Fail(refusal);
    if (StartsWithBitmapSignature(input)) return IconOfBitmap(input, *parsed, console);
    const iconfile::CheckedIconFile checked = iconfile::CheckIconFile(input);
    if (checked.directory.opened() && checked.directory.isCursor()) return IconOfCursor(input, checked, *parsed, console);
    return console.Fail(NotCursorOrBitmapText(input));
}

}  // namespace kurzory
