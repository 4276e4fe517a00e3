#include "core/interop/text_image.h"

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>

#include "core/base/file_io.h"
#include "core/channels/channel_table.h"

namespace cps {
namespace {

constexpr const char* kRawKey = "raw";
constexpr std::size_t kRawRunLength = 16;  // bytes per raw line
constexpr std::size_t kMaxTextSize = 16 << 20;

// Runs of consecutive addresses, at most `maxLength` long (0: no limit).
std::vector<RawDifference> Runs(const std::vector<std::size_t>& addresses, std::size_t maxLength) {
  std::vector<RawDifference> out;
  for (std::size_t a : addresses) {
    if (!out.empty() && out.back().last + 1 == a && (maxLength == 0 || a - out.back().first < maxLength))
      out.back().last = a;
    else
      out.push_back({a, a});
  }
  return out;
}

std::string Hex(std::size_t value, int digits) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%0*zX", digits, value);
  return buf;
}

std::string HexBytes(const RadioImage& image, const RawDifference& run) {
  std::string out;
  for (std::size_t a = run.first; a <= run.last; ++a) out += (out.empty() ? "" : " ") + Hex(image.Byte(a), 2);
  return out;
}

// A value as a YAML scalar, quoted where plain text would read otherwise.
std::string Scalar(const std::string& value) {
  YAML::Emitter e;
  e << value;
  return e.c_str();
}

// The key already shows the value: applying it is left out, so that
// editors whose store writes more than the one field do not touch the rest.
bool Shows(const RadioImage& image, const std::string& key, const std::string& value) {
  auto shown = GetKey(image, key);
  return shown && *shown == value;
}

// The channel table's write-back, as a save runs it before writing.
void WriteBackTable(RadioImage& image) {
  ChannelTable table;
  table.Load(image);
  table.WriteBack(image);
}

// Indices of `values` in import order: keys naming a list entry after all
// others; read-only and unknown keys left out.
std::vector<std::size_t> ImportOrder(const KeyValues& values) {
  std::vector<std::size_t> first, late;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const KeySpace* space = SpaceOf(values[i].first);
    if (!space || space->ReadOnly(values[i].first)) continue;
    (space->AfterLists(values[i].first) ? late : first).push_back(i);
  }
  first.insert(first.end(), late.begin(), late.end());
  return first;
}

Status ParseRaw(const YAML::Node& raw, std::vector<std::pair<std::size_t, std::vector<std::uint8_t>>>& out) {
  auto lineOf = [](const YAML::Node& n) { return "line " + std::to_string(n.Mark().line + 1) + ": "; };
  if (raw.IsNull()) return Status::Ok();
  if (!raw.IsMap()) return Error{lineOf(raw) + "raw: expected lines of ADDRESS: HEX BYTES"};
  for (const auto& entry : raw) {
    const YAML::Node k = entry.first;
    const YAML::Node v = entry.second;
    if (!k.IsScalar() || !v.IsScalar()) return Error{lineOf(k) + "raw: expected ADDRESS: HEX BYTES"};
    const std::string addrText = k.Scalar();
    std::size_t addr = 0;
    std::size_t used = 0;
    try {
      addr = std::stoul(addrText, &used, 16);
    } catch (...) {
      used = 0;
    }
    if (used != addrText.size() || addr >= kImageSize)
      return Error{lineOf(k) + "raw: '" + addrText + "' is not an address 0x0000..0x3FFF"};
    std::vector<std::uint8_t> bytes;
    const std::string hex = v.Scalar();
    std::size_t i = 0;
    while (i < hex.size()) {
      if (hex[i] == ' ') {
        ++i;
        continue;
      }
      const std::size_t end = hex.find(' ', i);
      const std::string byte = hex.substr(i, end == std::string::npos ? std::string::npos : end - i);
      if (byte.size() != 2 || !std::isxdigit(static_cast<unsigned char>(byte[0])) ||
          !std::isxdigit(static_cast<unsigned char>(byte[1])))
        return Error{lineOf(v) + "raw " + addrText + ": '" + byte + "' is not a byte in hexadecimal (00..FF)"};
      bytes.push_back(static_cast<std::uint8_t>(std::stoul(byte, nullptr, 16)));
      i += 2;
    }
    if (bytes.empty() || addr + bytes.size() > kImageSize)
      return Error{lineOf(v) + "raw " + addrText + ": no bytes, or bytes beyond the end of the image"};
    out.emplace_back(addr, std::move(bytes));
  }
  return Status::Ok();
}

// Export order and caption of every key.
struct KeyCatalog {
  std::map<std::string, std::pair<std::size_t, std::string>, std::less<>> byKey;
  static const KeyCatalog& Get() {
    static const KeyCatalog catalog = [] {
      KeyCatalog c;
      std::size_t i = 0;
      for (const auto& space : KeySpaces())
        for (const KeyInfo& k : space->Keys()) c.byKey.emplace(k.key, std::pair{i++, k.label});
      return c;
    }();
    return catalog;
  }
};

}  // namespace

ImageText DescribeImage(const RadioImage& image, const RadioImage& base) {
  KeyValues all;
  for (const auto& space : KeySpaces()) {
    KeyValues v = space->Export(image);
    all.insert(all.end(), v.begin(), v.end());
  }
  // Import them, and keep only what is taken.
  std::set<std::string> refused;
  RadioImage scratch = base;
  for (std::size_t i : ImportOrder(all)) {
    const KeyValue& kv = all[i];
    if (Shows(scratch, kv.first, kv.second)) continue;
    RadioImage trial = scratch;
    if (SpaceOf(kv.first)->Set(trial, {kv}, nullptr))
      scratch = trial;
    else
      refused.insert(kv.first);
  }
  WriteBackTable(scratch);
  ImageText out;
  for (auto& kv : all)
    if (!refused.count(kv.first)) out.values.push_back(std::move(kv));
  for (std::size_t a = 0; a < kImageSize; ++a)
    if (scratch.Byte(a) != image.Byte(a)) out.raw.push_back(a);
  return out;
}

std::string ExportText(const RadioImage& image, const RadioImage& base) {
  const ImageText text = DescribeImage(image, base);
  std::string out =
      "# dpmr-cps radio image as text: one key per line, as 'dpmr-cli keys' lists them,\n"
      "# in the order of the menus; 'raw' holds the bytes no key brings back.\n";
  const KeySpace* section = nullptr;
  for (const auto& [key, value] : text.values) {
    const KeySpace* space = SpaceOf(key);
    if (space != section) {
      out += "\n# " + space->Name() + "\n";
      section = space;
    }
    out += key + ": " + Scalar(value) + "\n";
  }
  if (!text.raw.empty()) {
    out += "\n" + std::string(kRawKey) + ":\n";
    for (const RawDifference& run : Runs(text.raw, kRawRunLength))
      out += "  0x" + Hex(run.first, 4) + ": " + Scalar(HexBytes(image, run)) + "\n";
  }
  return out;
}

Result<RadioImage> ImportText(std::string_view text, const RadioImage& base) {
  YAML::Node root;
  try {
    root = YAML::Load(std::string(text));
  } catch (const YAML::Exception& e) {
    return Error{"line " + std::to_string(e.mark.line + 1) + ": not valid YAML (" + e.msg + ")"};
  }
  if (root.IsNull() || !root.IsDefined()) return Error{"the text holds no keys"};
  if (!root.IsMap()) return Error{"line " + std::to_string(root.Mark().line + 1) + ": expected lines of KEY: VALUE"};

  KeyValues values;
  std::vector<int> lines;  // of each value
  std::vector<std::pair<std::size_t, std::vector<std::uint8_t>>> raw;
  for (const auto& entry : root) {
    const YAML::Node k = entry.first;
    const YAML::Node v = entry.second;
    const int line = k.Mark().line + 1;
    const std::string where = "line " + std::to_string(line) + ": ";
    if (!k.IsScalar()) return Error{where + "expected a key"};
    const std::string key = k.Scalar();
    if (key == kRawKey) {
      Status st = ParseRaw(v, raw);
      if (!st) return Error{st.error()};
      continue;
    }
    if (!v.IsNull() && !v.IsScalar()) return Error{where + key + ": the value must be one text"};
    if (!SpaceOf(key)) return Error{where + "unknown key '" + key + "' (see dpmr-cli keys)"};
    values.emplace_back(key, v.IsNull() ? std::string() : v.Scalar());
    lines.push_back(line);
  }
  RadioImage image = base;
  for (std::size_t i : ImportOrder(values)) {
    const KeyValue& kv = values[i];
    if (Shows(image, kv.first, kv.second)) continue;
    Status st = SpaceOf(kv.first)->Set(image, {kv}, nullptr);
    if (!st) return Error{"line " + std::to_string(lines[i]) + ": " + st.error()};
  }
  WriteBackTable(image);
  for (const auto& [addr, bytes] : raw)
    for (std::size_t i = 0; i < bytes.size(); ++i) image.SetByte(addr + i, bytes[i]);
  return image;
}

bool IsTextImagePath(std::string_view path) { return path.ends_with(".yaml") || path.ends_with(".yml"); }

Result<std::string> ReadTextImageFile(const std::string& path) {
  auto file = ReadRegularFile(path, kMaxTextSize);
  if (!file) return Error{file.error()};
  if (file->size > kMaxTextSize)
    return Error{path + ": " + std::to_string(file->size) + " bytes is too large for the text of an image"};
  return std::move(file->bytes);
}

ImageDifference CompareImages(const RadioImage& a, const RadioImage& b, const RadioImage& base) {
  const ImageText ta = DescribeImage(a, base);
  const ImageText tb = DescribeImage(b, base);
  const KeyCatalog& catalog = KeyCatalog::Get();
  std::map<std::string, std::pair<std::string, std::string>> values;
  for (const auto& [k, v] : ta.values) values[k].first = v;
  for (const auto& [k, v] : tb.values) values[k].second = v;
  ImageDifference diff;
  for (const auto& [k, v] : values) {
    if (v.first == v.second) continue;
    const auto it = catalog.byKey.find(k);
    diff.keys.push_back({k, it == catalog.byKey.end() ? std::string() : it->second.second, v.first, v.second});
  }
  auto order = [&](const KeyDifference& d) {
    const auto it = catalog.byKey.find(d.key);
    return it == catalog.byKey.end() ? catalog.byKey.size() : it->second.first;
  };
  std::stable_sort(diff.keys.begin(), diff.keys.end(),
                   [&](const KeyDifference& x, const KeyDifference& y) { return order(x) < order(y); });
  std::set<std::size_t> raw(ta.raw.begin(), ta.raw.end());
  raw.insert(tb.raw.begin(), tb.raw.end());
  std::vector<std::size_t> differing;
  for (std::size_t addr : raw)
    if (a.Byte(addr) != b.Byte(addr)) differing.push_back(addr);
  diff.raw = Runs(differing, 0);
  return diff;
}

std::string DifferenceText(const ImageDifference& diff, const RadioImage& a, const RadioImage& b) {
  auto shown = [](const std::string& v) { return v.empty() ? std::string("\"\"") : v; };
  std::string out;
  for (const auto& d : diff.keys) out += d.key + ": " + shown(d.a) + " -> " + shown(d.b) + "\n";
  for (const auto& r : diff.raw) {
    out += "raw 0x" + Hex(r.first, 4) + (r.last > r.first ? "-0x" + Hex(r.last, 4) : std::string()) + ": " +
           HexBytes(a, r) + " -> " + HexBytes(b, r) + "\n";
  }
  return out;
}

}  // namespace cps
