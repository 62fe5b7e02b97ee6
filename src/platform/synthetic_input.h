// Synthetic device events for tests: they go through SDL's own event queue
// exactly as a real key, button or joystick event would, so the event pump
// and the input snapshot are tested as the game runs them.
#pragma once

namespace plat::synthetic {

// Pushes a key-down or key-up of the key with the game's key code.
bool key(int code, bool down, bool alt = false);
// Pushes a press or release of mouse button 1 (left), 2 (right), 3 (middle).
bool mouse_button(int button, bool down);
// Pushes the event of the open sound output device going away, as when the
// sound server restarts.
bool audio_device_removed();
// Attaches a virtual joystick with the given number of buttons; false when
// the joystick subsystem is missing.
bool attach_joystick(int buttons);
// Sets a button of the virtual joystick and lets SDL turn it into events.
void joystick_button(int button, bool down);
void detach_joystick();

// Virtual standard pads (any number, each with both sticks and triggers):
// attach_pad returns a handle, -1 when the joystick subsystem is missing.
// The game sees each one arrive, like a pad plugged in, at its next poll.
// Without a button list the pad has every button; with one (a bit per
// PadButton) it has only those, and its raw button numbers shift as a
// real pad's of another make do.
int attach_pad(unsigned buttons = 0);
// Presses or releases a pad button (PadButton order, triggers included).
void pad_button(int pad, int button, bool down);
// Puts the left stick at x, y (-1..1).
void pad_stick(int pad, float x, float y);
void detach_pad(int pad);

}  // namespace plat::synthetic
