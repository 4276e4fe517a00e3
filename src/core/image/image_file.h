#pragma once
#include <string>
#include <string_view>

#include "core/base/result.h"
#include "core/image/radio_image.h"

namespace cps {

// Reads the first 16384 bytes of an image file; more are ignored, fewer are
// refused. On failure `image` is left exactly as it was.
Status LoadImageFile(const std::string& path, RadioImage& image);

// Reads up to 16384 bytes into `image` without refusing a short file: the
// rest keeps what it held (used for "Default.dat"). False when the file
// cannot be opened; then `image` is unchanged.
bool LoadImagePrefix(const std::string& path, RadioImage& image);

// Writes exactly 16384 bytes. The data goes to a temporary file in the same
// folder that is then renamed over the target, so a failed save leaves an
// existing file untouched.
Status SaveImageFile(const std::string& path, const RadioImage& image);

// Writes `data` as the whole file `path` the same way: a temporary file
// renamed over the target, so a failure leaves an existing file as it was.
Status WriteFileAtomic(const std::string& path, std::string_view data);

}  // namespace cps
