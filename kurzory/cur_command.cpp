// kurzory cur: Skiren's icon-to-cursor conversion with a hot spot given on the command line.
#include "iconfile/icon_conversions.h"
#include "iconfile/icon_directory.h"
#include "iconfile/output_path.h"
#include "kurzory/arguments.h"
#include "kurzory/subcommands.h"
#include "kurzory/messages.h"
#include "kurzory/output_file.h"
#include "skiren/input_recognition.h"
#include "skiren/hot_spot.h"

namespace kurzory {

int RunCur(Words words, const Console& console) {
    static const OptionSpec options[] = {{"-o", true}, {"--hotspot", true}, {"--force", false}};
    int status = 0;
    const std::optional<ParsedArguments> parsed = ParseCommand(words, options, CurHelp(), console, status);
    if (!parsed) return status;
    if (parsed->paths.size() != 1) return console.Fail(InputCountText("cur"));
    const std::string* hotSpotText = parsed->Value("--hotspot");
    if (!hotSpotText) return console.Fail(OptionNeededText("--hotspot"));
    const std::optional<std::pair<int, int>> hotSpot = PointText(*hotSpotText);
    if (!hotSpot) return console.Fail(PointOptionText("--hotspot", *hotSpotText));

    const std::string& input = parsed->paths.front();
    const iconfile::IconDirectory directory = iconfile::ReadIconDirectory(input);
    if (directory.status != iconfile::DirectoryRead::Read || directory.entries.empty() ||
        (directory.resourceTypeLow != 1 && directory.resourceTypeLow != 2))
        return console.Fail(FileFailureText(input, skiren::NotIconOrCursorMessage().toStdString()));
    if (directory.resourceTypeLow == 2) return console.Fail(AlreadyCursorText(input));
    if (directory.imageCountLow > 1) return console.Fail(skiren::MoreThanOneImageMessage(input).toStdString());
    const int width = skiren::IconSizeFromByte(directory.firstWidthByte);
    const int height = skiren::IconSizeFromByte(directory.firstHeightByte);
    if (hotSpot->first >= width || hotSpot->second >= height)
        return console.Fail(HotSpotOutsideText(input, width, height));

    const std::optional<std::string> output = ChosenOr(parsed->Value("-o"), iconfile::OutputPathFor(input, "cur"));
    if (!output) return console.Fail(skiren::NoRoomMessage(input).toStdString());
    if (std::string refusal = RefusedOutput(*output, parsed->Has("--force")); !refusal.empty())
        return console.Fail(refusal);
    // A hot spot of 256 cannot be inside an icon, so both fit the byte Skiren writes.
    const iconfile::FileOutcome written = iconfile::ConvertIconToCursor(
        input, *output, static_cast<std::uint8_t>(hotSpot->first), static_cast<std::uint8_t>(hotSpot->second));
    if (!written.succeeded()) return console.Fail(FileFailureText(written.path(), written.reason()));
    return 0;
}

}  // namespace kurzory
