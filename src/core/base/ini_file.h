#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/result.h"

namespace cps {

// A private-profile (INI) file kept as its lines, so that rewriting one key
// leaves every other line (other keys, sections, comments) exactly as it
// was. Section and key names match without regard to letter case; values
// are plain text, nothing is quoted or escaped.
class IniFile {
 public:
  static IniFile Parse(std::string_view text);
  static IniFile Load(const std::string& path);  // missing file: empty
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
  std::vector<std::string> lines_;
  bool crlf_ = false;
};

}  // namespace cps
