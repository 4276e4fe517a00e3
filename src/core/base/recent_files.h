// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list of recently used files of the File menu: the newest first, each
// file once, at most kRecentFileLimit entries. Paths are compared as given,
// so callers pass them in one form (absolute and cleaned).
#include <cstddef>
#include <string>
#include <vector>

namespace cps {

inline constexpr std::size_t kRecentFileLimit = 8;

// The list after `path` was opened or saved: `path` first, its older entry
// gone, and the oldest entries beyond the limit dropped. An empty path
// leaves the list as it is (apart from the limit).
std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path,
                                        std::size_t limit = kRecentFileLimit);

// The list without `path` (a file that is no longer there).
std::vector<std::string> WithoutRecentFile(std::vector<std::string> list, const std::string& path);

// A list as read back from the user's settings, made sound: empty entries
// and repeats dropped (the first one kept), at most `limit` entries.
std::vector<std::string> CleanRecentFiles(const std::vector<std::string>& stored,
                                          std::size_t limit = kRecentFileLimit);

// The menu text of entry `index` (0-based): "&1 path", with `home` shown as
// "~" at the start of the path and every '&' of the path doubled so that it
// is shown and not taken for a mnemonic. Entries past the ninth get no
// mnemonic digit ("10 path").
std::string RecentFileLabel(std::size_t index, const std::string& path, const std::string& home = {});

}  // namespace cps
