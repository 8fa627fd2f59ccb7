#include "common/NumberReader.h"
