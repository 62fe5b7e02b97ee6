// Calls and state the menus share with the frame loop, the options and
// renderer files and the status line.
#pragma once

#include "state/play_state.h"
#include "frontend/api_file.h"
#include "frontend/options_file.h"
#include "render/messages.h"
