#pragma once

#include <string>
#include <vector>

#include "images.h"

namespace contactsheet {

// Lays out every picture (strips cut into their frames) with its name onto
// sheets of at most max_w x max_h; writes out_prefix + "_N.png" and returns
// the paths written.
std::vector<std::string> write_contact_sheets(const ImageSet& set, const std::string& out_prefix,
                                              int max_w, int max_h);

// Mock screens composed from the pictures at their in-game positions.
std::string write_console_one(const ImageSet& set, const std::string& path);
std::string write_console_two(const ImageSet& set, const std::string& path);
std::string write_panels_open(const ImageSet& set, const std::string& path);
std::string write_portraits(const ImageSet& set, const std::string& path);
std::string write_startup_mock(const ImageSet& set, const std::string& path);
std::string write_menu_mock(const ImageSet& set, const std::string& path);

}  // namespace contactsheet
