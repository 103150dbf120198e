// kurzory cur: Skiren's icon-to-cursor conversion with a hot spot given on the command line, and
// cursors of one picture at several sizes drawn elsewhere and exported as PNG.
#include "desktop/picture_loader.h"
#include "iconfile/icon_conversions.h"
#include "iconfile/icon_directory.h"
#include "iconfile/icon_encoder.h"
#include "iconfile/image_check.h"
#include "iconfile/output_path.h"
#include "iconfile/stored_images.h"
#include "kurzory/arguments.h"
#include "kurzory/hot_spot_choice.h"
#include "kurzory/input_file.h"
#include "kurzory/messages.h"
#include "kurzory/output_file.h"
#include "kurzory/png_picture.h"
#include "kurzory/subcommands.h"
#include "skiren/hot_spot.h"

namespace kurzory {
namespace {

// The output by -o or the first input's own, never an input itself; nothing and the refusal line
// in `refusal` otherwise.
std::optional<std::string> CursorOutput(const ParsedArguments& parsed, std::string& refusal) {
    const std::string& first = parsed.paths.front();
    const std::optional<std::string> output = ChosenOr(parsed.Value("-o"), iconfile::OutputPathFor(first, "cur"));
    if (!output) refusal = NoOutputNameText(first);
    for (const std::string& input : parsed.paths)
        if (output && refusal.empty() && SameExistingFile(*output, input)) refusal = OutputIsInputText(*output);
    if (output && refusal.empty()) refusal = RefusedOutput(*output, parsed.Has("--force"));
    return refusal.empty() ? output : std::nullopt;
}

int WriteCursor(const ParsedArguments& parsed, std::span<const iconfile::ContainerImage> images, const Console& console) {
    std::string refusal;
    const std::optional<std::string> output = CursorOutput(parsed, refusal);
    if (!output) return console.Fail(refusal);
    const std::vector<std::uint8_t> bytes = iconfile::EncodeContainer(iconfile::IconFileKind::Cursor, images);
    const iconfile::FileOutcome written = WriteWholeFile(*output, bytes);
    if (!written.succeeded()) return console.Fail(FileFailureText(written.path(), written.reason()));
    return 0;
}

// One cursor image per PNG, in the order given.
int CursorOfPictures(const ParsedArguments& parsed, const HotSpotChoice& choice, const Console& console) {
    std::vector<iconfile::RgbaPicture> pictures;
    std::vector<PictureSize> sizes;
    for (const std::string& path : parsed.paths) {
        if (!IsPngFile(path)) return console.Fail(MixedInputText(path));
        auto read = ReadSquarePng(path);
        if (const std::string* refusal = std::get_if<std::string>(&read)) return console.Fail(*refusal);
        pictures.push_back(std::move(std::get<iconfile::RgbaPicture>(read)));
        const int side = pictures.back().width;
        for (const PictureSize& size : sizes)
            if (size.width == side) return console.Fail(SizeTwiceText(path, side));
        sizes.push_back({side, side});
    }
    const auto spots = HotSpotsFor(choice, sizes, parsed.paths);
    if (const std::string* refusal = std::get_if<std::string>(&spots)) return console.Fail(*refusal);
    std::vector<iconfile::ContainerImage> images;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const HotSpot& spot = std::get<std::vector<HotSpot>>(spots)[i];
        images.push_back(iconfile::Bitmap32Image(pictures[i], spot.first, spot.second));
    }
    return WriteCursor(parsed, images, console);
}

// Skiren's conversion for an icon of one bitmap image; otherwise a new cursor of every size the
// icon holds, at each size its deepest image, bitmaps copied as stored and PNG images as 32-bit
// bitmaps, which every loader reads.
int CursorOfIcon(const ParsedArguments& parsed, const HotSpotChoice& choice, const Console& console) {
    const std::string& input = parsed.paths.front();
    const std::optional<std::vector<std::uint8_t>> file = iconfile::ReadWholeIconFile(input);
    const iconfile::CheckedIconFile checked = file ? iconfile::CheckIconBytes(*file) : iconfile::CheckIconFile(input);
    const iconfile::IconDirectory& directory = checked.directory;
    if (!directory.opened() || !directory.isIconOrCursor()) return console.Fail(NotIconOrCursorText(input));
    if (directory.isCursor()) return console.Fail(AlreadyCursorText(input));
    if (!checked.sound()) return console.Fail(FileFailureText(input, iconfile::FaultText(checked)));
    if (!file) return console.Fail(TooLargeIconText(input));

    std::vector<iconfile::CheckedImage> kept;
    for (std::size_t index : iconfile::DeepestImagePerSize(checked)) kept.push_back(checked.images[index]);
    std::vector<PictureSize> sizes;
    for (const iconfile::CheckedImage& image : kept) sizes.push_back({image.width, image.height});
    const auto found = HotSpotsFor(choice, sizes, std::vector<std::string>(kept.size(), input));
    if (const std::string* refusal = std::get_if<std::string>(&found)) return console.Fail(*refusal);
    const std::vector<HotSpot>& spots = std::get<std::vector<HotSpot>>(found);

    if (checked.images.size() == 1 && kept.front().encoding == iconfile::ImageEncoding::Bitmap) {
        std::string refusal;
        const std::optional<std::string> output = CursorOutput(parsed, refusal);
        if (!output) return console.Fail(refusal);
        // A hot spot of 256 cannot be inside an icon, so both fit the byte Skiren writes.
        const iconfile::FileOutcome written =
            iconfile::ConvertIconToCursor(input, *output, static_cast<std::uint8_t>(spots.front().first),
                                          static_cast<std::uint8_t>(spots.front().second));
        if (!written.succeeded()) return console.Fail(FileFailureText(written.path(), written.reason()));
        return 0;
    }
    std::size_t failed = 0;
    const std::optional<std::vector<iconfile::ContainerImage>> images =
        iconfile::CursorImagesOf(*file, kept, spots, desktop::RgbaOfIconImage, failed);
    if (!images) return console.Fail(UnreadableImageText(input, kept[failed].index));
    return WriteCursor(parsed, *images, console);
}

}  // namespace

int RunCur(Words words, const Console& console) {
    static const OptionSpec options[] = {{"-o", true}, {"--hotspot", true, true}, {"--force", false}};
    int status = 0;
    const std::optional<ParsedArguments> parsed = ParseCommand(words, options, CurHelp(), console, status);
    if (!parsed) return status;
    if (parsed->paths.empty()) return console.Fail(InputCountText("cur"));
    for (const std::string& input : parsed->paths)
        if (std::string refusal = UnreadableInput(input); !refusal.empty()) return console.Fail(refusal);
    const std::vector<std::string> hotSpotTexts = parsed->Values("--hotspot");
    if (hotSpotTexts.empty()) return console.Fail(OptionNeededText("--hotspot"));
    std::string usage;
    const std::optional<HotSpotChoice> choice = ParseHotSpotChoice(hotSpotTexts, usage);
    if (!choice) return console.Fail(usage);
    if (parsed->paths.size() > 1 || IsPngFile(parsed->paths.front())) return CursorOfPictures(*parsed, *choice, console);
    return CursorOfIcon(*parsed, *choice, console);
}

}  // namespace kurzory
