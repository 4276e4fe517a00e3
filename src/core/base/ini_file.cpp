#include "core/base/ini_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "core/base/c_text.h"

namespace cps {

namespace {

// "[name]" -> name; otherwise nullopt.
std::optional<std::string> SectionName(const std::string& line) {
  const std::string t = Trim(line);
  if (t.size() >= 2 && t.front() == '[') {
    const auto close = t.find(']');
    if (close != std::string::npos) return Trim(std::string_view(t).substr(1, close - 1));
  }
  return std::nullopt;
}

bool IsComment(const std::string& line) {
  const std::string t = Trim(line);
  return t.empty() || t[0] == ';' || t[0] == '#';
}

// "key=value" -> key (trimmed); empty when the line has no '='.
bool SplitKey(const std::string& line, std::string& key, std::string& value) {
  const auto eq = line.find('=');
  if (eq == std::string::npos) return false;
  key = Trim(std::string_view(line).substr(0, eq));
  value = Trim(std::string_view(line).substr(eq + 1));
  return true;
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
  IniFile ini;
  std::size_t pos = 0;
  while (pos < text.size()) {
    auto nl = text.find('\n', pos);
    std::string line(text.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos));
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
      ini.crlf_ = true;
    }
    ini.lines_.push_back(line);
    if (nl == std::string_view::npos) break;
    pos = nl + 1;
  }
  return ini;
}

IniFile IniFile::Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::stringstream ss;
  ss << in.rdbuf();
  return Parse(ss.str());
}

std::string IniFile::Text() const {
  std::string out;
  const char* eol = crlf_ ? "\r\n" : "\n";
  for (const auto& l : lines_) {
    out += l;
    out += eol;
  }
  return out;
}

Status IniFile::Save(const std::string& path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return Error{path + ": " + std::strerror(errno)};
  const std::string text = Text();
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) return Error{path + ": write error"};
  return Status::Ok();
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  bool inSection = false;
  for (const auto& line : lines_) {
    if (auto s = SectionName(line)) {
      inSection = EqualsIgnoreCase(*s, section);
      continue;
    }
    if (!inSection || IsComment(line)) continue;
    std::string k, v;
    if (SplitKey(line, k, v) && EqualsIgnoreCase(k, key)) {
      // A value in matching quotes is given without them, as the profile
      // functions do.
      if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
      return v;
    }
  }
  return std::nullopt;
}

std::string IniFile::Read(std::string_view section, std::string_view key, std::string_view fallback) const {
  if (key.empty()) return std::string(fallback);
  auto v = Get(section, key);
  std::string out = v ? *v : std::string(fallback);
  if (out.size() > 255) out.resize(255);
  return out;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  bool inSection = false;
  std::optional<std::size_t> lastInSection;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto& line = lines_[i];
    if (auto s = SectionName(line)) {
      inSection = EqualsIgnoreCase(*s, section);
      if (inSection) lastInSection = i;
      continue;
    }
    if (!inSection) continue;
    if (!IsComment(line)) lastInSection = i;
    std::string k, v;
    if (!IsComment(line) && SplitKey(line, k, v) && EqualsIgnoreCase(k, key)) {
      lines_[i] = k + "=" + std::string(value);
      return;
    }
  }
  const std::string entry = std::string(key) + "=" + std::string(value);
  if (lastInSection) {
    lines_.insert(lines_.begin() + static_cast<long>(*lastInSection) + 1, entry);
  } else {
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(entry);
  }
}

}  // namespace cps
