// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/codec/tone.h"

#include <cstdio>

#include "core/base/c_text.h"
#include "core/codec/bcd.h"
#include "core/codec/decimal.h"

namespace cps {

namespace {

constexpr const char* kCtcss[] = {
    "63.0",  "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3", "131.8",
    "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9", "171.3", "173.8",
    "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5", "203.5", "206.5", "210.7",
    "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

constexpr const char* kDcs[] = {
    "017", "023", "025", "026", "031", "032", "036", "043", "047", "050", "051", "053", "054", "065",
    "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145",
    "152", "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243", "244",
    "245", "246", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306", "311", "315",
    "325", "331", "332", "343", "346", "351", "356", "364", "365", "371", "411", "412", "413", "423",
    "431", "432", "445", "446", "452", "454", "455", "462", "464", "465", "466", "503", "506", "516",
    "523", "526", "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662",
    "664", "703", "712", "723", "731", "732", "734", "743", "754"};

// sscanf-like: optional literal prefix, then a %d (blanks, sign, digits).
bool ScanNumber(std::string_view text, std::string_view prefix, long long& n) {
  if (text.substr(0, prefix.size()) != prefix) return false;
  std::size_t used = 0;
  n = ParseInt(text.substr(prefix.size()), &used);
  return used > 0;
}

}  // namespace

const std::vector<std::string>& ToneList() {
  static const std::vector<std::string> list = [] {
    std::vector<std::string> l;
    l.reserve(266);
    l.emplace_back("None");
    for (const char* t : kCtcss) l.emplace_back(t);
    for (const char* d : kDcs) l.push_back(std::string("D") + d + "N");
    for (const char* d : kDcs) l.push_back(std::string("D") + d + "I");
    return l;
  }();
  return list;
}

std::string ToneToText(std::uint8_t byte0, std::uint8_t byte1) {
  if (byte1 == 0xFF || byte1 == 0x00) return "None";
  if (byte1 < 0x80) {
    const int tenths = ByteFromBcd(byte1) * 100 + ByteFromBcd(byte0);
    return FormatFixed(DecimalMultiply(tenths, 0.1), 1, 3);
  }
  const bool inverted = byte1 >= 0xC0;
  const int h = byte1 - (inverted ? 0xC0 : 0x80);
  const int n = h * 100 + ByteFromBcd(byte0);
  return std::string(h == 0 ? "D0" : "D") + std::to_string(n) + (inverted ? "I" : "N");
}

ToneCode ToneFromText(std::string_view text) {
  if (text.find('D') != std::string_view::npos) {
    const std::string_view rest = text.substr(1);
    const long long n = ParseInt(rest);
    const bool normal = rest.find('N') != std::string_view::npos;
    const auto high = static_cast<std::uint8_t>(n / 100 + (normal ? 0x80 : 0xC0));
    const auto low = BcdFromByte(static_cast<std::uint8_t>(n % 100));
    return {low, high};
  }
  if (text == "None") return kNoTone;
  const long long v = DecimalMultiplyTrunc(ParseDouble(text), 10);
  return {BcdFromByte(static_cast<std::uint8_t>(v % 100)), BcdFromByte(static_cast<std::uint8_t>((v / 100) % 100))};
}

std::string NormalizeToneText(std::string_view typed) {
  if (typed.empty()) return std::string();
  const std::string text = ToUpper(typed);
  if (text.find('.') != std::string::npos) {
    const long long v = DecimalMultiplyTrunc(ParseDouble(text), 10);
    return (v >= 600 && v <= 2800) ? text : std::string("None");
  }
  static constexpr std::string_view kPrefixes[] = {"D", "DN", "DI", "ND", "ID", "N", "I"};
  long long n = 0;
  bool found = false;
  for (std::string_view p : kPrefixes) {
    if (ScanNumber(text, p, n)) { found = true; break; }
  }
  // "%dN", "%dD", "%dI": the number alone decides, so the first one wins.
  if (!found) found = ScanNumber(text, "", n);
  if (found) {
    if (n > 0 && n <= 777) {
      char buf[16];
      std::snprintf(buf, sizeof buf, text.find('I') != std::string::npos ? "D%03lldI" : "D%03lldN", n);
      return buf;
    }
    return "None";
  }
  const long long v = DecimalMultiplyTrunc(ParseDouble(text), 10);
  if (v >= 600 && v <= 2800) return FormatFixed(static_cast<double>(v) * 0.1, 1, 3);
  return "None";
}

}  // namespace cps
