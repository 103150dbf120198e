#pragma once
// gdk-pixbuf's ani loader: what gdk_pixbuf_animation_new_from_file loads and what its iterator
// then shows.
#include "animace/reader/loader_play.h"

namespace animace {

LoaderPlay PlayInGdkPixbuf(ByteSource& source);

}  // namespace animace
