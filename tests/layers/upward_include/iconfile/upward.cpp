// A format file that reaches up into the platform layer: the layer check must refuse it.
#include "desktop/fonts.h"
