#pragma once
// The animation the wizard builds: every step reads and writes this one value, which the wizard
// owns; the windows only show it. The writer reads its plain part.
#include <QPixmap>
#include <QPoint>
#include <optional>
#include <vector>

#include "animace/animation.h"

namespace animace {

// A picked frame as the picker showed it: its picture and, for a cursor that could be shown, its hot spot.
struct FramePicture {
    QPixmap picture;
    std::optional<QPoint> hotSpot;
};

struct WizardAnimation : Animation {
    std::vector<FramePicture> pictures;  // pictures[k] shows frames[k]

    int frameCount() const { return static_cast<int>(frames.size()); }
    int stepCount() const { return static_cast<int>(steps.size()); }
    // The picture of step `step` (from 0); an empty one for a step that names no picked frame.
    FramePicture stepPicture(int step) const;
};

inline FramePicture WizardAnimation::stepPicture(int step) const {
    if (step < 0 || step >= stepCount()) return {};
    const int frame = steps[static_cast<std::size_t>(step)].frame;
    if (frame < 0 || frame >= static_cast<int>(pictures.size())) return {};
    return pictures[static_cast<std::size_t>(frame)];
}

}  // namespace animace
