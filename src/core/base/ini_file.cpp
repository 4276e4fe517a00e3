// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/base/ini_file.h"

#include <cstdint>
#include <filesystem>
#include <vector>

#include "core/base/c_text.h"
#include "core/base/file_io.h"

namespace cps {

namespace {

// A profile is a small text file; more than this is not read.
constexpr std::size_t kMaxFileSize = 1 << 20;

void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// UTF-16 to UTF-8. A lone surrogate is kept as its own three-byte form, so
// that writing the text back gives the same units.
std::string Utf16ToUtf8(std::string_view bytes, bool le) {
  std::vector<std::uint16_t> units;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto b0 = static_cast<std::uint8_t>(bytes[i]), b1 = static_cast<std::uint8_t>(bytes[i + 1]);
    units.push_back(static_cast<std::uint16_t>(le ? b0 | (b1 << 8) : (b0 << 8) | b1));
  }
  std::string out;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const std::uint16_t u = units[i];
    if (u >= 0xD800 && u < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
      AppendUtf8(out, 0x10000 + ((u - 0xD800u) << 10) + (units[i + 1] - 0xDC00u));
      ++i;
    } else {
      AppendUtf8(out, u);
    }
  }
  return out;
}

std::string Utf8ToUtf16(std::string_view text, bool le) {
  std::string out;
  auto unit = [&](std::uint32_t u) {
    const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
    out += le ? lo : hi;
    out += le ? hi : lo;
  };
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<std::uint8_t>(text[i]);
    const int len = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    bool valid = len > 0 && i + static_cast<std::size_t>(len) <= text.size();
    for (int k = 1; valid && k < len; ++k) valid = (static_cast<std::uint8_t>(text[i + k]) & 0xC0) == 0x80;
    if (!valid) {  // not UTF-8: the byte as a Latin-1 character
      unit(b);
      ++i;
      continue;
    }
    std::uint32_t cp = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    for (int k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<std::uint8_t>(text[i + k]) & 0x3F);
    if (cp >= 0x10000) {
      unit(0xD800 + ((cp - 0x10000) >> 10));
      unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      unit(cp);
    }
    i += static_cast<std::size_t>(len);
  }
  return out;
}

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

IniFile IniFile::Parse(std::string_view bytes) {
  IniFile ini;
  std::string text;
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    ini.encoding_ = Encoding::kUtf8Bom;
    text = bytes.substr(3);
  } else if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    const bool le = bytes[0] == '\xFF';
    ini.encoding_ = le ? Encoding::kUtf16Le : Encoding::kUtf16Be;
    text = Utf16ToUtf8(bytes.substr(2), le);
    if (bytes.size() % 2) ini.undecodable_ = bytes.substr(bytes.size() - 1);
  } else {
    text = bytes;
  }
  std::size_t pos = 0;
  while (pos < text.size()) {
    const auto nl = text.find('\n', pos);
    Line line;
    if (nl == std::string::npos) {
      line.text = text.substr(pos);
      pos = text.size();
    } else {
      line.text = text.substr(pos, nl - pos);
      line.end = "\n";
      if (!line.text.empty() && line.text.back() == '\r') {
        line.text.pop_back();
        line.end = "\r\n";
      }
      pos = nl + 1;
    }
    ini.lines_.push_back(std::move(line));
  }
  return ini;
}

IniFile IniFile::Load(const std::string& path) {
  // Only a regular file: a FIFO or a device must not hang the start-up.
  auto file = ReadRegularFile(path, kMaxFileSize);
  if (!file) return {};
  return Parse(file->bytes);
}

Result<IniFile> IniFile::LoadForUpdate(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::symlink_status(path, ec).type() == std::filesystem::file_type::not_found) return IniFile{};
  auto file = ReadRegularFile(path, kMaxFileSize);
  if (!file) return Error{file.error()};
  if (file->size > file->bytes.size()) return Error{path + ": the file is larger than 1 MiB"};
  return Parse(file->bytes);
}

std::string IniFile::Text() const {
  std::string text;
  for (const auto& l : lines_) {
    text += l.text;
    text += l.end;
  }
  switch (encoding_) {
    case Encoding::kPlain: return text;
    case Encoding::kUtf8Bom: return "\xEF\xBB\xBF" + text;
    case Encoding::kUtf16Le: return "\xFF\xFE" + Utf8ToUtf16(text, true) + undecodable_;
    case Encoding::kUtf16Be: return "\xFE\xFF" + Utf8ToUtf16(text, false) + undecodable_;
  }
  return text;
}

Status IniFile::Save(const std::string& path) const { return WriteFileSafely(path, Text()); }

// A file with any Windows line end gets Windows line ends on new lines.
std::string IniFile::NewLineEnd() const {
  for (const auto& l : lines_)
    if (l.end == "\r\n") return l.end;
  return "\n";
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  bool inSection = false;
  for (const auto& [line, end] : lines_) {
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
    const std::string& line = lines_[i].text;
    if (auto s = SectionName(line)) {
      inSection = EqualsIgnoreCase(*s, section);
      if (inSection) lastInSection = i;
      continue;
    }
    if (!inSection) continue;
    if (!IsComment(line)) lastInSection = i;
    std::string k, v;
    if (!IsComment(line) && SplitKey(line, k, v) && EqualsIgnoreCase(k, key)) {
      lines_[i].text = k + "=" + std::string(value);
      return;
    }
  }
  // New lines take the file's line end; a file that ended without one
  // still does.
  const std::string eol = NewLineEnd();
  auto insertAt = [&](std::size_t at, std::string text) {
    std::string end = eol;
    if (at > 0 && lines_[at - 1].end.empty()) {
      lines_[at - 1].end = eol;
      end.clear();
    }
    lines_.insert(lines_.begin() + static_cast<long>(at), Line{std::move(text), end});
  };
  const std::string entry = std::string(key) + "=" + std::string(value);
  if (lastInSection) {
    insertAt(*lastInSection + 1, entry);
  } else {
    insertAt(lines_.size(), "[" + std::string(section) + "]");
    insertAt(lines_.size(), entry);
  }
}

}  // namespace cps
