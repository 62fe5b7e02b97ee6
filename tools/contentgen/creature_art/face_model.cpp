#include "creature_art/face_model.h"

namespace contentgen::creatures::face_model {

using namespace solid;

namespace {

// The whites of the eyes, iris and pupil, the inside of the mouth.
constexpr Material kSclera{0.86f, 0.84f, 0.80f, 1.0f, 70, 0.2f, 0};
constexpr Material kIris{0.22f, 0.30f, 0.20f, 1.2f, 80, 0.1f, 0};
constexpr Material kPupil{0.01f, 0.01f, 0.01f, 1.4f, 90, 0.0f, 0};
constexpr Material kThroat{0.10f, 0.02f, 0.02f, 0.3f, 20, 0.0f, 0};
constexpr Material kBrow{0.16f, 0.12f, 0.10f, 0.2f, 10, 0.4f, 0};

}  // namespace

void screaming_head(Model& m, bool eyes_open, const Material& skin) {
  // Cranium, the face's front plane, cheekbones, jaw hanging open.
  m.ellipsoid({0, -22, -12}, {60, 72, 62}, {}, skin, 0);
  m.ellipsoid({0, -4, 22}, {46, 44, 34}, {}, skin, 14);
  for (int s = -1; s <= 1; s += 2) {
    m.ellipsoid({s * 33.0f, 12, 36}, {15, 11, 13}, {}, skin, 10);            // cheekbone
    m.capsule({s * 48.0f, 4, 4}, {s * 22.0f, 68, 22}, 12, 9, skin, 14);     // jaw line
  }
  m.ellipsoid({0, 52, 22}, {28, 28, 28}, {}, skin, 14);
  for (int s = -1; s <= 1; s += 2) m.ellipsoid({s * 40.0f, 36, 40}, {9, 14, 9}, {}, skin, 8, true);  // hollow cheeks
  m.sphere({0, 78, 32}, 12, skin, 12);  // chin, dropped with the jaw
  // Brow ridge, heavy over the eyes, and the sockets under it.
  for (int s = -1; s <= 1; s += 2) m.capsule({s * 46.0f, -24, 32}, {s * 8.0f, -30, 52}, 8, 11, skin, 8);
  for (int s = -1; s <= 1; s += 2) m.ellipsoid({s * 22.0f, -10, 50}, {15, 10, 12}, {}, skin, 5, true);
  // Nose: bridge, tip, wings.
  m.capsule({0, -22, 50}, {0, 16, 66}, 5, 7, skin, 6);
  m.sphere({0, 18, 63}, 8.5f, skin, 5);
  for (int s = -1; s <= 1; s += 2) m.sphere({s * 9.5f, 22, 55}, 6, skin, 4);
  // The scream: the mouth carved deep, lips round it, dark throat and the
  // upper teeth showing.
  m.ellipsoid({0, 50, 52}, {15, 22, 26}, {}, skin, 5, true);
  const V3 upper[] = {{-17, 48, 46}, {-10, 31, 52}, {0, 28, 55}, {10, 31, 52}, {17, 48, 46}};
  const V3 lower[] = {{-17, 50, 46}, {-11, 68, 51}, {0, 74, 53}, {11, 68, 51}, {17, 50, 46}};
  const float lip_w[] = {2.4f, 3.4f, 3.8f, 3.4f, 2.4f};
  m.chain(upper, lip_w, 5, kLip, 3);
  m.chain(lower, lip_w, 5, kLip, 3);
  m.ellipsoid({0, 52, 28}, {14, 20, 8}, {}, kThroat, 0);
  m.ellipsoid({0, 33, 44}, {10, 3.5f, 5}, {}, kTooth, 1);
  // Eyes wide open, or shut. Each ball sits back in its socket and the
  // iris looks up and out at the light from under the upper lid, which
  // overlaps its top as a live eye's does; white shows below the iris
  // only, in fear, and not all round it like a doll's.
  for (int s = -1; s <= 1; s += 2) {
    const float ex = s * 22.0f;
    const V3 c{ex, -9, 34};
    m.sphere(c, 11.5f, kSclera, 0);
    const V3 look{-0.17f, -0.36f, 0.92f};
    m.sphere(c + look * 8.2f, 5.4f, kIris, 0);
    m.sphere(c + look * 10.4f, 2.4f, kPupil, 0);
    if (!eyes_open) {
      // Lids fallen shut over the whole eye.
      m.ellipsoid({ex, -9, 38}, {13.5f, 12, 11}, {}, skin, 2);
      m.capsule({ex - 12, -7, 47}, {ex + 12, -7, 46}, 1.4f, 1.4f, kLip, 1);
      continue;
    }
    // The upper lid a thick fold over the iris' top, arched toward the
    // nose; the lower lid a thin roll with a soft bag under it.
    const V3 lid[3] = {{ex - s * 12, -14, 40}, {ex - s * 2, -19.5f, 45}, {ex + s * 12, -15, 40}};
    const float lr[3] = {3.4f, 4.2f, 3.4f};
    m.chain(lid, lr, 3, skin, 2.5f);
    m.capsule({ex - 11, 0.5f, 42}, {ex + 11, 0.5f, 40}, 2.6f, 2.6f, skin, 3);
    m.ellipsoid({ex, 6, 40}, {12, 4, 5}, {}, skin, 5);
    // The brows drawn up at their inner ends in fear.
    const V3 brow[3] = {{s * 7.0f, -34, 53}, {s * 20.0f, -35, 52}, {s * 38.0f, -28, 44}};
    const float br[3] = {2.6f, 2.4f, 1.6f};
    m.chain(brow, br, 3, kBrow, 1.2f);
  }
  // Neck into the resin.
  m.capsule({0, 60, -20}, {0, 150, -30}, 26, 32, skin, 16);
}

}  // namespace contentgen::creatures::face_model
