#include "common/PaintSink.h"
