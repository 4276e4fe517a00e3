// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/result.h"
#include "core/image/radio_image.h"

namespace cps {

// Reads the first 16384 bytes of an image file; more are not read, fewer are
// refused, and so is anything but a regular file (a folder, a FIFO, a
// device). `fileSize`, when given, gets the whole file's size: more than
// 16384 bytes is no image of this radio (see ForeignSizeNote). On failure
// `image` is left exactly as it was.
Status LoadImageFile(const std::string& path, RadioImage& image, std::uint64_t* fileSize = nullptr);

// What the user is told about a file of `size` bytes whose first 16384
// became the image: "not a radio image of this model: 100000 bytes; opened
// its first 16384 bytes".
std::string ForeignSizeNote(std::uint64_t size);

// The size of `path` when it is an existing file that holds another number
// of bytes than an image; nothing for a new name, an empty file or a file of
// 16384 bytes.
// Saving an image there would cut it to (or pad it out to) 16384 bytes.
std::optional<std::uint64_t> ForeignImageSize(const std::string& path);

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
