#pragma once
// KDE's ani image plug-in (kimageformats, Qt 5): what QImageReader reads image by image with
// nextImageDelay, as QMovie plays it.
#include "animace/reader/loader_play.h"

namespace animace {

LoaderPlay PlayInKde(ByteSource& source);

}  // namespace animace
