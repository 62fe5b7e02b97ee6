// The squad's faces as the portraits model them, by roster order.
#pragma once

#include "portrait_model.h"

namespace contentgen::ui {

// The face, bones, dress and head turn of roster member `index` (0..14).
portrait_model::Face roster_face(int index);
// Where member `index`'s head sits under the portrait's `view`: the view
// leaned and nodded by the member's own pose.
model::Xf roster_head(int index, const model::Xf& view);

}  // namespace contentgen::ui
