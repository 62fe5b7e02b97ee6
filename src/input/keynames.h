// Display names of the keyboard's virtual key codes and the keys that the
// save-name entry accepts. Names for 186..226 follow a Nordic layout.
#pragma once

#include <array>
#include <string>

// keyname[code] for codes 0..300; "" for codes without a name.
extern const std::array<std::string, 301> keyname;
// typable[code] for codes 0..250: 1 for keys that type a character.
extern const std::array<int, 251> typable;

// The display name of key code `code` on the player's keyboard: the fixed
// name, except where the fixed table has no name for the key or names
// another character than the layout puts on it; then the key's cap (a
// letter, digit, \xC4, \xD6 or \xC5 as itself, anything else by a word).
std::string keycapname(int code);
// The character the layout gives the key, upper case (Latin-1), or 0.
int keycapchar(int code);
// The same with Shift held (upper case where the font has no lower case).
int keycapshiftedchar(int code);
// Latin-1 upper case of one character (letters only; the rest as they are).
int uppercaselatin1(int ch);
