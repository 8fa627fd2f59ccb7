#include "common/Money.h"
