// The "DEMO" mark drawn over a game the machine is playing.
#pragma once

void drawdemomark();
