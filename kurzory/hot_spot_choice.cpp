#include "kurzory/hot_spot_choice.h"

#include <algorithm>

#include "iconfile/hot_spot_scaling.h"
#include "kurzory/arguments.h"
#include "kurzory/messages.h"

namespace kurzory {

std::optional<HotSpotChoice> ParseHotSpotChoice(const std::vector<std::string>& texts, std::string& error) {
    HotSpotChoice choice;
    for (const std::string& text : texts) {
        const std::optional<SizedPoint> parsed = SizedPointText(text);
        if (!parsed) {
            error = HotSpotOptionText(text);
            return std::nullopt;
        }
        const bool repeated =
            parsed->size ? std::any_of(choice.bySize.begin(), choice.bySize.end(),
                                       [&](const auto& given) { return given.first == *parsed->size; })
                         : choice.first.has_value();
        if (repeated) {
            error = RepeatedOptionText("--hotspot " + (parsed->size ? std::to_string(*parsed->size) + ":" : std::string()));
            return std::nullopt;
        }
        if (parsed->size) choice.bySize.emplace_back(*parsed->size, parsed->point);
        else choice.first = parsed->point;
    }
    return choice;
}

std::variant<std::vector<HotSpot>, std::string> HotSpotsFor(const HotSpotChoice& choice,
                                                            const std::vector<PictureSize>& sizes,
                                                            const std::vector<std::string>& paths) {
    const auto outside = [&](std::size_t picture, const HotSpot& spot) {
        return spot.first >= sizes[picture].width || spot.second >= sizes[picture].height;
    };
    const auto pictureOfSize = [&](int size) {
        return static_cast<std::size_t>(std::find_if(sizes.begin(), sizes.end(), [size](const PictureSize& s) {
                                             return s.width == size;
                                         }) - sizes.begin());
    };
    std::vector<std::optional<HotSpot>> given(sizes.size());
    for (const auto& [size, spot] : choice.bySize) {
        const std::size_t picture = pictureOfSize(size);
        if (picture == sizes.size()) return NoPictureOfSizeText(size);
        if (outside(picture, spot)) return HotSpotOutsideText(paths[picture], sizes[picture].width, sizes[picture].height);
        given[picture] = spot;
    }
    // The spot every other size is scaled from, and the picture it was set on.
    std::size_t basePicture = 0;
    HotSpot base{0, 0};
    if (choice.first) {
        if (outside(0, *choice.first)) return HotSpotOutsideText(paths[0], sizes[0].width, sizes[0].height);
        base = *choice.first;
        if (!given[0]) given[0] = base;
    } else if (!choice.bySize.empty()) {
        basePicture = pictureOfSize(choice.bySize.front().first);
        base = choice.bySize.front().second;
    }
    std::vector<HotSpot> spots;
    for (std::size_t i = 0; i < sizes.size(); ++i)
        spots.push_back(given[i].value_or(
            HotSpot{iconfile::ScaledHotSpot(base.first, sizes[basePicture].width, sizes[i].width),
                    iconfile::ScaledHotSpot(base.second, sizes[basePicture].height, sizes[i].height)}));
    return spots;
}

}  // namespace kurzory
