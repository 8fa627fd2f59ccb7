#include "common/TextFileSink.h"
