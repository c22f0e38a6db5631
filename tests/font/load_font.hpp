#pragma once
// A HarfBuzz font made from a font file, for the shaping tests.

#include <hb.h>

namespace pelvaron::testing {

// Null when the file cannot be read; the caller destroys the font.
inline hb_font_t* LoadFont(const char* file) {
  hb_blob_t* blob = hb_blob_create_from_file_or_fail(file);
  if (!blob) return nullptr;
  hb_face_t* face = hb_face_create(blob, 0);
  hb_font_t* font = hb_font_create(face);
  hb_face_destroy(face);
  hb_blob_destroy(blob);
  return font;
}

}  // namespace pelvaron::testing
