// The member record slots the machine player reads, named in one place.
#pragma once

namespace autofield {
inline constexpr int scroll = 1;      // left edge of the view along the room loop
inline constexpr int crossx = 2;      // crosshair x in the view
inline constexpr int crossy = 3;      // crosshair y in the view
inline constexpr int room = 4;        // room the member stands in
inline constexpr int stamina = 8;
inline constexpr int ammo = 9;
inline constexpr int dead = 10;       // 1 once dead
inline constexpr int maxammo = 20;
inline constexpr int maxstamina = 21;
inline constexpr int health = 23;
inline constexpr int maxhealth = 26;
inline constexpr int busydoor = 27;   // door being walked through, 0 when free
}  // namespace autofield
