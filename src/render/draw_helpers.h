// Drawing helpers shared by every screen: brightness-scaled colour, image
// draws that skip what lies outside the viewport and flag absent images,
// guarded handle and size queries, and the bracket frame of the use prompt.
#pragma once

// Colour (r, g, b) scaled by bright percent (100 = unchanged), each channel
// truncated and kept within 0..255.
void setcolourbright(int r, int g, int b, float bright);

// Draws a frame with the current scale, rotation, handle and origin if the
// drawn box overlaps the viewport. An absent image raises gfxmissing.
void drawimageculled(int image, float x, float y, int frame);
// The same without the viewport test.
void drawimageguarded(int image, float x, float y, int frame);

// Handle and size calls that tolerate an absent image: the handle calls
// raise gfxmissing, the size calls return 0.
void setimagehandle(int image, int hx, int hy);
int imagewidth(int image);
int imageheight(int image);

// Frame of a rectangle on the room loop, drawn with bracket.png at alpha
// alphapercent / 100, repeated one loop (3,328 px) to either side.
void drawbracketbox(float x, float y, float w, float h, float alphapercent);

// Screen box an image of size (w, h) with handle (hx, hy) covers when drawn
// at (px, py) with scale (sx, sy) and rotation degrees. A negative scale
// mirrors about the handle; a rotated image is bounded by the circle its
// corners sweep about the handle.
struct ScreenBox {
  float left, top, right, bottom;
};
ScreenBox drawnbox(float px, float py, int w, int h, int hx, int hy, float sx, float sy,
                    float rotation);
// Whether the box overlaps the viewport rectangle (vx, vy, vw, vh).
bool boxinviewport(const ScreenBox& b, int vx, int vy, int vw, int vh);
