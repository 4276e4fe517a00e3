// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interop/image_compare.h"

#include <cstdio>

#include "core/base/file_io.h"
#include "core/document/document.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"
#include "core/image/region_map.h"
#include "core/interop/text_image.h"

namespace cps {
namespace {

// How the keys of one family are grouped: the list's section, and for
// numbered keys the entry ("Channel 3"), which is a section of its own
// when an entry has several keys.
struct Family {
  std::string_view prefix;  // the key up to its first dot
  std::string_view list;    // section of the family's other keys
  std::string_view entry;   // "Channel"; empty when the captions number themselves
  bool sectionPerEntry;
};

constexpr Family kFamilies[] = {
    {"band", "Channels", "", false},
    {"channel", "Channels", "Channel", true},
    {"pmr", "PMR channels", "PMR channel", true},
    {"option", "Option", "", false},
    {"side_key", "Side Key", "", false},
    {"tone_light", "Tone and Light", "", false},
    {"scan", "Scan Info", "", false},
    {"alarm", "Alarm", "", false},
    {"dtmf_encode", "DTMF Encode", "", false},
    {"dtmf_decode", "DTMF Decode", "", false},
    {"dtmf_contact", "DTMF Contact", "", false},
    {"dpmr", "dPMR Basic", "", false},
    {"contact", "Contacts", "Contact", true},
    {"grouplist", "Group rx lists", "", false},
    {"encrypt", "Encryption", "Encryption key", true},
    {"outbox", "Outbox", "Outbox message", false},
    {"inbox", "Inbox", "Inbox message", true},
    {"factory", "Factory adjustment", "", false},
};

struct Placement {
  std::string section;
  std::string caption;
};

Placement Place(std::string_view key, const std::string& label) {
  const std::size_t dot = key.find('.');
  const std::string_view prefix = key.substr(0, dot);
  Family family{prefix, prefix, "", false};
  for (const Family& f : kFamilies)
    if (f.prefix == prefix) family = f;
  std::string_view number;
  if (dot != std::string_view::npos) {
    number = key.substr(dot + 1);
    number = number.substr(0, number.find('.'));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos) number = {};
  }
  if (number.empty() || family.entry.empty()) return {std::string(family.list), label};
  const std::string entry = std::string(family.entry) + " " + std::string(number);
  return {family.sectionPerEntry ? entry : std::string(family.list), entry + ": " + label};
}

std::string Hex(std::size_t value, int digits) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%0*zX", digits, value);
  return buf;
}

std::string HexBytes(const RadioImage& image, std::size_t first, std::size_t last) {
  std::string out;
  for (std::size_t a = first; a <= last; ++a) out += (a == first ? "" : " ") + Hex(image.Byte(a), 2);
  return out;
}

std::string RegionName(const ImageRegion* region) {
  return region ? std::string(region->content) : std::string("bytes no editor uses");
}

std::string Capitalized(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text;
}

std::string Bytes(std::uint64_t size) { return std::to_string(size) + (size == 1 ? " byte" : " bytes"); }

// The section titled `title`, added at the end when there is none yet.
ComparisonSection& SectionOf(Comparison& c, const std::string& title) {
  for (auto& s : c.sections)
    if (s.title == title) return s;
  c.sections.push_back({title, {}});
  return c.sections.back();
}

// Splits the differing bytes at the border of a part of the image and of
// a 16-byte line, so that a row names one part and stays short.
void AddRawRows(Comparison& c, const RadioImage& a, const RadioImage& b, const RawDifference& run) {
  std::size_t first = run.first;
  while (first <= run.last) {
    const ImageRegion* region = RegionAt(first);
    std::size_t last = first;
    while (last < run.last && (last + 1) % 16 != 0 && RegionAt(last + 1) == region) ++last;
    std::string key = "raw 0x" + Hex(first, 4);
    if (last > first) key += "-0x" + Hex(last, 4);
    SectionOf(c, Capitalized(RegionName(region)))
        .rows.push_back({key, RegionName(region), HexBytes(a, first, last), HexBytes(b, first, last)});
    first = last + 1;
  }
}

std::string Counted(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::size_t Comparison::RowCount() const {
  std::size_t n = 0;
  for (const auto& s : sections) n += s.rows.size();
  return n;
}

Comparison CompareForReview(const ComparedImage& a, const ComparedImage& b) {
  Comparison out;
  if (a.size != b.size) SectionOf(out, "File").rows.push_back({"size", "File size", Bytes(a.size), Bytes(b.size)});
  // Which bytes count as raw depends on the image the keys are applied to;
  // a fixed one keeps the rows the same on every machine.
  const ImageDifference diff = CompareImages(a.image, b.image, NewImage(""));
  for (const KeyDifference& d : diff.keys) {
    Placement p = Place(d.key, d.label);
    SectionOf(out, p.section).rows.push_back({d.key, std::move(p.caption), QuotedValue(d.a), QuotedValue(d.b)});
  }
  for (const RawDifference& run : diff.raw) AddRawRows(out, a.image, b.image, run);
  return out;
}

std::string QuotedValue(std::string_view value) {
  std::string out = "\"";
  for (const char ch : value) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F)
          out += "\\x" + Hex(c, 2);
        else
          out += ch;
    }
  }
  return out + "\"";
}

std::string SectionHeading(const ComparisonSection& section) {
  return section.title + ": " + Counted(section.rows.size(), "difference", "differences");
}

std::string ComparisonSummary(const Comparison& comparison) {
  if (comparison.empty()) return "No differences";
  return Counted(comparison.RowCount(), "difference", "differences") + " in " +
         Counted(comparison.sections.size(), "section", "sections");
}

std::string ComparisonText(const Comparison& comparison) {
  if (comparison.empty()) return {};
  std::string out;
  for (const auto& s : comparison.sections) {
    out += SectionHeading(s) + "\n";
    for (const auto& r : s.rows) out += "  " + r.key + ": " + r.a + " -> " + r.b + "\n";
  }
  return out + ComparisonSummary(comparison) + "\n";
}

Result<ComparedFile> LoadComparedFile(const std::string& path) {
  ComparedFile out;
  RadioImage bytes;
  if (IsTextImagePath(path)) {
    auto text = ReadTextImageFile(path);
    if (!text) return Error{text.error()};
    auto imported = ImportText(*text, nullptr);  // a text names its own band: the same image on every machine
    if (!imported) return Error{path + ": " + imported.error()};
    bytes = *imported;
  } else {
    Status st = LoadImageFile(path, bytes);
    if (!st) return Error{st.error()};
    auto file = ReadRegularFile(path, 0);  // only its size
    if (!file) return Error{file.error()};
    out.side.size = file->size;
    if (file->size > kImageSize)
      out.notes.push_back(path + ": " + Bytes(file->size) + "; only the first " + std::to_string(kImageSize) +
                          " are an image and compared");
  }
  out.side.image = Document::OpenedForm(bytes);
  std::size_t changed = 0;
  std::size_t first = 0;
  for (std::size_t a = kImageSize; a-- > 0;)
    if (out.side.image.Byte(a) != bytes.Byte(a)) {
      ++changed;
      first = a;
    }
  if (changed > 0)
    out.notes.push_back(path + ": compared as File, Open shows it; opening changes " + Bytes(changed) +
                        " of the image (the first at 0x" + Hex(first, 4) + ", " + RegionName(RegionAt(first)) + ")");
  return out;
}

}  // namespace cps
