#include "world/machinery.h"

int eventflags[11];
int trackcount[3];
UsePrompt useprompt[3];
