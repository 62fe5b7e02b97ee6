// State and calls the save and options files share with the creature,
// input, audio and message code.
#pragma once

#include "state/settings.h"
#include "audio/music.h"
#include "creatures/nest_state.h"
#include "input/bindings.h"
#include "render/messages.h"
