// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing whole files the way the program's data files need:
// only regular files are read (a FIFO or a device would block or misbehave),
// and a save never leaves a half-written file behind where it can be
// avoided, never replaces what is not a regular file and keeps what the
// replaced file was (its links, mode, owner and group).
#include <cstdint>
#include <string>
#include <string_view>

#include "core/base/result.h"

namespace cps {

struct FileBytes {
  std::string bytes;       // at most the limit asked for
  std::uint64_t size = 0;  // the whole file's size
};

// Reads up to `limit` bytes from the start of a regular file. A folder, a
// FIFO, a device or a socket is refused with a message that names it.
Result<FileBytes> ReadRegularFile(const std::string& path, std::size_t limit);

// Writes `bytes` as the whole content of `path`:
// - a symbolic link is followed and its target written;
// - anything but a regular file or a new name is refused, and so is a file
//   without any write permission ("read-only");
// - normally the bytes go to a temporary file beside the target, which is
//   flushed to disk, given the old file's mode, owner and group (where the
//   system permits) and renamed over it, and the folder is flushed;
// - when the folder does not take new files, or the file has other hard
//   links, the file is overwritten in place and flushed; should that fail,
//   the old bytes are written back.
// On failure the message starts with `path`.
Status WriteFileSafely(const std::string& path, std::string_view bytes);

}  // namespace cps
