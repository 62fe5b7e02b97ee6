// Calls and state the menus share with the frame loop, the options and
// renderer files and the status line.
#pragma once

#include <string>

#include "app/frame_loop.h"
#include "render/messages.h"

// Options file "opt.dat": 1 written, 0 failed.
int writeoptions(const std::string& path);
void readoptions(const std::string& path);
// Renderer file "api.dat".
extern int apimode;
void readapi(const std::string& path);
int writeapi(const std::string& path);
