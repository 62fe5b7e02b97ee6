// Translation of physical keys to the game's virtual key codes (the codes
// of the Windows virtual-key table, OEM keys by their Nordic-layout codes).
#pragma once

#include <string>

namespace plat {

// The key code (1..250) of an SDL scancode, 0 for keys the game does not
// know. With num lock off the keypad reports its navigation keys.
int key_code_for_scancode(int scancode, bool numlock_on);
// The same, looked up by SDL's scancode name ("A", "Left Shift",
// "Keypad 5", ...); 0 for an unknown name. Used by tests and tools.
int key_code_for_key_name(const std::string& name, bool numlock_on = true);

}  // namespace plat
