#include "common/text_routines.h"
