// Close-ups of masked, smoothed images with a hard but smooth cut.
//
// A masked image drawn magnified should show its colours filtered inside and
// its cut where the filtered mask crosses one half: hard, yet following a
// smooth line rather than the stairs of its texels. Neither renderer can
// threshold a filtered mask, so such a draw uses a copy of the frame made on
// the CPU, magnified by a whole factor (colours bilinear, weighted by
// coverage; alpha 255 where the bilinear mask reaches one half, else 0),
// drawn with the nearest texel at the remaining scale. Both renderers then
// show the same pixels. Copies are kept, bounded in memory, and made once
// per frame image.
#pragma once

#include <cstdint>

#include "platform/image_store.h"

namespace plat::detail {

// The whole factor a frame of image drawn with the masked blend at scale
// (ax, ay) (absolute values) is magnified by first; 0 when it is drawn as it
// is: unsmoothed images, frames with no clear texel, unscaled and minified
// draws.
int magnify_factor(const Image& image, int frame, int blend, float ax, float ay);

// The frame magnified k times (k >= 2) as an image of one frame, unsmoothed,
// every alpha 0 or 255, its handle scaled with it. Kept until dropped or
// evicted by later copies; null when it would be too large to keep.
Image* magnified_frame(const Image& image, int frame, int k);

// The magnified copies of one image (freed), or of every image (the renderer
// went away, so their textures are stale).
void drop_magnified(uint32_t serial);
void drop_all_magnified();

// The pixels of frame (w x h, 0xAARRGGBB) magnified k times into out.
void magnify_masked(const uint32_t* pixels, int w, int h, int k, uint32_t* out);

}  // namespace plat::detail
