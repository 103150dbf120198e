#pragma once
// The hot spots of a multi-size cursor from the --hotspot options: "X,Y" for the first picture,
// scaled to every other size, and "S:X,Y" for the picture of S pixels, which keeps it unscaled.
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "kurzory/picture_sizes.h"

namespace kurzory {

using HotSpot = std::pair<int, int>;

struct HotSpotChoice {
    std::optional<HotSpot> first;                  // "X,Y"
    std::vector<std::pair<int, HotSpot>> bySize;   // "S:X,Y", in the order given
};

// The options' texts, at least one; nothing, and a usage line in `error`, for a text of neither
// form, two "X,Y" or two for one size.
std::optional<HotSpotChoice> ParseHotSpotChoice(const std::vector<std::string>& texts, std::string& error);

// One hot spot per picture, in the pictures' order. Without "X,Y" the first "S:X,Y" is scaled to
// the sizes that have none. A refusal line when a size named has no picture or a given hot spot
// lies outside its picture, named by `paths[i]`.
std::variant<std::vector<HotSpot>, std::string> HotSpotsFor(const HotSpotChoice& choice,
                                                            const std::vector<PictureSize>& sizes,
                                                            const std::vector<std::string>& paths);

}  // namespace kurzory
