// The squad's faces as the portraits model them, by roster order.
#pragma once

#include "portrait_model.h"

namespace contentgen::ui {

// The face, bones, dress and head turn of roster member `index` (0..14).
portrait_model::Face roster_face(int index);

}  // namespace contentgen::ui
