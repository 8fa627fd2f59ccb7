#include "common/Rounding.h"
