#include "shell/windowset.h"

#define STANDING_WINDOW_DEFINE(Class, name) Class *name = nullptr;
STANDING_WINDOWS(STANDING_WINDOW_DEFINE)
