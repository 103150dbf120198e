#pragma once
// Wine's user32 as a loader of animated cursors: what LoadCursorFromFileW loads and what
// GetCursorFrameInfo then gives step by step.
#include "animace/reader/loader_play.h"

namespace animace {

LoaderPlay PlayInWine(ByteSource& source);

}  // namespace animace
