// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/base/recent_files.h"

#include <algorithm>

namespace cps {

std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path, std::size_t limit) {
  if (!path.empty()) {
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    list.insert(list.begin(), path);
  }
  if (list.size() > limit) list.resize(limit);
  return list;
}

std::vector<std::string> WithoutRecentFile(std::vector<std::string> list, const std::string& path) {
  list.erase(std::remove(list.begin(), list.end(), path), list.end());
  return list;
}

std::vector<std::string> CleanRecentFiles(const std::vector<std::string>& stored, std::size_t limit) {
  std::vector<std::string> out;
  for (const std::string& path : stored) {
    if (out.size() == limit) break;
    if (!path.empty() && std::find(out.begin(), out.end(), path) == out.end()) out.push_back(path);
  }
  return out;
}

std::string RecentFileLabel(std::size_t index, const std::string& path, const std::string& home) {
  std::string shown = path;
  if (!home.empty() && home != "/") {
    std::string prefix = home;
    if (prefix.back() != '/') prefix += '/';
    if (shown.compare(0, prefix.size(), prefix) == 0) shown = "~/" + shown.substr(prefix.size());
  }
  std::string label = index < 9 ? "&" + std::to_string(index + 1) : std::to_string(index + 1);
  label += ' ';
  for (char c : shown) {
    if (c == '&') label += '&';
    label += c;
  }
  return label;
}

}  // namespace cps
