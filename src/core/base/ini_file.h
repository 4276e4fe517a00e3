// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/result.h"

namespace cps {

// A private-profile (INI) file kept as its lines, each with its own line
// end, so that rewriting one key leaves every other line (other keys,
// sections, comments) byte for byte as it was. Section and key names match
// without regard to letter case; values are plain text, nothing is quoted
// or escaped. A file that starts with a byte order mark is read as UTF-8
// or UTF-16 (either byte order) and written back in the same encoding;
// without one, the bytes are taken as they are.
class IniFile {
 public:
  enum class Encoding { kPlain, kUtf8Bom, kUtf16Le, kUtf16Be };

  // `bytes`: the file's content.
  static IniFile Parse(std::string_view bytes);
  static IniFile Load(const std::string& path);  // missing or unreadable file: empty
  // For rewriting a key: a missing file is empty, but a file that cannot be
  // read whole (unreadable, not a regular file, too large) is an error, so
  // that saving one key never replaces lines that were not read.
  static Result<IniFile> LoadForUpdate(const std::string& path);
  // The file's content, in its encoding.
  std::string Text() const;
  Status Save(const std::string& path) const;

  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  // Like the profile read: the default when the key is empty or absent,
  // at most 255 characters.
  std::string Read(std::string_view section, std::string_view key, std::string_view fallback) const;
  // Replaces the value of an existing key in place, else appends the key to
  // its section (creating the section at the end).
  void Set(std::string_view section, std::string_view key, std::string_view value);

 private:
  struct Line {
    std::string text;  // UTF-8 (or the plain file's bytes), without the line end
    std::string end;   // "\r\n", "\n", or empty for a last line without one
  };
  std::string NewLineEnd() const;

  std::vector<Line> lines_;
  Encoding encoding_ = Encoding::kPlain;
  std::string undecodable_;  // a trailing odd byte of a UTF-16 file
};

}  // namespace cps
