// "Graphic file missing!" / "Sound file missing!": drawn in red at the end
// of every frame while gfxmissing / sfxmissing are above 0, fading as the
// counters run down by one per frame.
#pragma once

// Lines go at x (4 unless the debug lines stand elsewhere), 12 px apart,
// from y (the line below any debug lines drawn above them; 4 when there
// are none). Returns the y of the next free line.
int drawfilewarnings(int y = 4, int x = 4);

// The pitch of the small font's overlay lines (warnings, debug lines).
constexpr int overlaylinestep = 12;
