// Loading the archive's pictures for the contact sheets and drawing them
// the way the game does (tint, alpha, scale, mirror, handle).
#pragma once

#include <cairo.h>

#include <map>
#include <string>

namespace contactsheet {

class ImageSet {
 public:
  explicit ImageSet(const std::string& dir);
  ~ImageSet();
  ImageSet(const ImageSet&) = delete;
  ImageSet& operator=(const ImageSet&) = delete;

  // nullptr when the file is missing or unreadable.
  cairo_surface_t* get(const std::string& name) const;
  const std::map<std::string, cairo_surface_t*>& all() const { return images_; }

 private:
  std::map<std::string, cairo_surface_t*> images_;
};

struct Draw {
  double r = 1, g = 1, b = 1;  // colour the picture is multiplied by
  double alpha = 1;
  double sx = 1, sy = 1;        // scale about the handle; negative mirrors
  double hx = 0, hy = 0;        // handle
  int frame = -1;               // strip cell, -1 the whole picture
  int cellw = 0, cellh = 0;
};

// Draws 'name' with its handle at (x, y). Missing pictures are skipped.
void draw(cairo_t* cr, const ImageSet& set, const std::string& name, double x, double y,
          const Draw& d = {});

}  // namespace contactsheet
