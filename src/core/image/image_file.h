#pragma once
#include <string>
#include <string_view>

#include "core/base/result.h"
#include "core/image/radio_image.h"

namespace cps {

// Reads the first 16384 bytes of an image file; more are ignored, fewer are
// refused, and so is anything but a regular file (a folder, a FIFO, a
// device). On failure `image` is left exactly as it was.
Status LoadImageFile(const std::string& path, RadioImage& image);

// Reads up to 16384 bytes into `image` without refusing a short file: the
// rest keeps what it held (used for "Default.dat"). False when the file
// cannot be opened; then `image` is unchanged.
bool LoadImagePrefix(const std::string& path, RadioImage& image);

// Writes exactly 16384 bytes with the rules of WriteFileSafely: through a
// link to its target, never over anything but a regular file, never over a
// read-only file, keeping the replaced file's links, mode and owner; a
// failed save leaves an existing file as it was.
Status SaveImageFile(const std::string& path, const RadioImage& image);

}  // namespace cps
