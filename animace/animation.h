#pragma once
// The animation as the wizard builds it and kurzory ani reads it from its arguments: the frame
// files, the steps that show them, and whether some frame could not be shown. The writer reads it.
#include <string>
#include <vector>

namespace animace {

struct AnimationStep {
    int frame = 0;        // index into Animation::frames, from 0
    int twentieths = 20;  // display time in twentieths of a second
};

struct Animation {
    std::vector<std::string> frames;  // full paths of the frame files, in pick order
    std::vector<AnimationStep> steps;
    bool undisplayable = false;  // the picker could not show one of the frames
};

}  // namespace animace
