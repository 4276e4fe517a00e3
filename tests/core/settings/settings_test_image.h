#pragma once
// The image File, New gives without a "Default.dat": 0xFF and the built-in
// defaults.
#include "core/image/new_image.h"

namespace cps::testing {

inline RadioImage DefaultSettingsImage() {
  RadioImage im;
  im.Fill(0xFF);
  ApplyBuiltInDefaults(im);
  return im;
}

}  // namespace cps::testing
