// Display names of the keyboard's virtual key codes and the keys that the
// save-name entry accepts. Names for 186..226 follow a Nordic layout.
#pragma once

#include <array>
#include <string>

// keyname[code] for codes 0..300; "" for codes without a name.
extern const std::array<std::string, 301> keyname;
// typable[code] for codes 0..250: 1 for keys that type a character.
extern const std::array<int, 251> typable;
