#include "common/LineWriter.h"
