// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schema/builders.h"

#include <cstdio>

#include "core/base/c_text.h"
#include "core/codec/digit_codes.h"

namespace cps {

Field ComboIndex(std::string key, std::string label, std::vector<std::string> items, std::size_t addr,
                 int fallback, std::uint8_t mask) {
  Field f;
  f.key = std::move(key);
  f.label = std::move(label);
  f.kind = ControlKind::Combo;
  const int count = static_cast<int>(items.size());
  f.items = std::move(items);
  f.load = [addr, mask, fallback, count](const RadioImage& im) {
    const int v = im.Bits(addr, mask);
    return ControlValue::Index(v < count ? v : fallback);
  };
  f.save = [addr, mask, fallback](RadioImage& im, const ControlValue& v) {
    im.SetBits(addr, mask, static_cast<std::uint8_t>(v.index < 0 ? fallback : v.index));
  };
  f.bytes = {{addr, mask}};
  return f;
}

Field ComboByText(std::string key, std::string label, std::vector<std::string> items,
                  std::function<ControlValue(const RadioImage&)> loadText,
                  std::function<void(RadioImage&, const std::string&)> saveText,
                  std::vector<std::pair<std::size_t, std::uint8_t>> bytes) {
  Field f;
  f.key = std::move(key);
  f.label = std::move(label);
  f.kind = ControlKind::Combo;
  f.items = std::move(items);
  f.load = std::move(loadText);
  f.save = [saveText = std::move(saveText)](RadioImage& im, const ControlValue& v) { saveText(im, v.text); };
  f.bytes = std::move(bytes);
  return f;
}

Field IntEdit(std::string key, std::string label, std::size_t addr, SpinRange range, int maxLength,
              IntOptions o) {
  Field f;
  f.key = std::move(key);
  f.label = std::move(label);
  f.kind = o.spin ? ControlKind::SpinEdit : ControlKind::Edit;
  f.maxLength = maxLength;
  const bool word = o.bytes == 2;
  const int scale = o.scale < 1 ? 1 : o.scale;
  f.load = [addr, word, scale](const RadioImage& im) {
    const long long stored = word ? im.Word(addr) : im.Byte(addr);
    return ControlValue::Text(IntText(stored * scale));
  };
  f.save = [addr, word, scale](RadioImage& im, const ControlValue& v) {
    const long long stored = ParseInt(v.text) / scale;
    if (word) im.SetWord(addr, static_cast<std::uint16_t>(static_cast<unsigned long long>(stored) & 0xFFFFu));
    else im.SetByte(addr, static_cast<std::uint8_t>(static_cast<unsigned long long>(stored) & 0xFFu));
  };
  f.onLeave = [range](std::string_view text) { return IntText(LeaveRoundClamp(ParseInt(text), range)); };
  if (o.spin)
    f.onSpin = [range](std::string_view text, int delta) { return IntText(SpinStep(ParseInt(text), delta, range)); };
  f.hint = IntText(range.lower) + ".." + IntText(range.upper) + (range.step > 1 ? ", step " + IntText(range.step) : "");
  f.bytes = {{addr, 0xFF}};
  if (word) f.bytes.push_back({addr + 1, 0xFF});
  return f;
}

Field TenthsEdit(std::string key, std::string label, std::size_t addr, SpinRange range, int maxLength) {
  Field f;
  f.key = std::move(key);
  f.label = std::move(label);
  f.kind = ControlKind::SpinEdit;
  f.maxLength = maxLength;
  f.load = [addr](const RadioImage& im) { return ControlValue::Text(TenthsToText(im.Byte(addr))); };
  f.save = [addr](RadioImage& im, const ControlValue& v) {
    im.SetByte(addr, static_cast<std::uint8_t>(TenthsFromText(v.text)));
  };
  f.onLeave = [range](std::string_view text) { return TenthsToText(LeaveRoundClamp(TenthsFromText(text), range)); };
  f.onSpin = [range](std::string_view text, int delta) {
    return TenthsToText(SpinStep(TenthsFromText(text), delta, range));
  };
  f.hint = TenthsToText(range.lower) + ".." + TenthsToText(range.upper) +
           (range.step > 1 ? ", step " + TenthsToText(range.step) : "");
  f.bytes = {{addr, 0xFF}};
  return f;
}

Field DigitCodes(std::string key, std::string label, std::size_t addr, int count, int maxLength) {
  Field f;
  f.key = std::move(key);
  f.label = std::move(label);
  f.kind = ControlKind::Edit;
  f.maxLength = maxLength > 0 ? maxLength : count;
  f.allowedChars = std::string(kDtmfKeyChars);
  f.upperCase = true;
  const std::size_t n = static_cast<std::size_t>(count);
  f.load = [addr, n](const RadioImage& im) {
    return ControlValue::Text(DigitsToTextA(im.Bytes(addr, n).data(), n));
  };
  f.save = [addr, n](RadioImage& im, const ControlValue& v) {
    im.Fill(addr, n, kNoDigit);
    for (std::size_t i = 0; i < v.text.size() && i < n; ++i) im.SetByte(addr + i, DigitCodeA(v.text[i]));
  };
  for (std::size_t i = 0; i < n; ++i) f.bytes.push_back({addr + i, 0xFF});
  return f;
}

Field SevenDigitId(std::string key, std::string label, std::size_t addr, std::string fallback, std::string allowed) {
  constexpr std::size_t kLength = 7;
  Field f;
  f.key = std::move(key);
  f.label = std::move(label);
  f.kind = ControlKind::Edit;
  f.maxLength = static_cast<int>(kLength);
  f.allowedChars = std::move(allowed);
  f.upperCase = true;
  f.hint = "7 digits, not 0000000 nor above 9000000 (else " + fallback + ")";
  f.load = [addr](const RadioImage& im) {
    return ControlValue::Text(FitText(DigitsToTextA(im.Bytes(addr, kLength).data(), kLength), '0', kLength, true));
  };
  f.save = [addr](RadioImage& im, const ControlValue& v) {
    const std::string text = FitText(v.text, '0', kLength, true);
    im.Fill(addr, kLength, kNoDigit);
    for (std::size_t i = 0; i < kLength; ++i) im.SetByte(addr + i, DigitCodeA(text[i]));
  };
  f.onLeave = [fallback](std::string_view text) { return SevenDigitIdOnLeave(text, fallback); };
  for (std::size_t i = 0; i < kLength; ++i) f.bytes.push_back({addr + i, 0xFF});
  return f;
}

Field CheckBit(std::string key, std::string label, std::size_t addr, std::uint8_t mask) {
  Field f;
  f.key = std::move(key);
  f.label = std::move(label);
  f.kind = ControlKind::Check;
  f.load = [addr, mask](const RadioImage& im) { return ControlValue::Checked((im.Byte(addr) & mask) != 0); };
  f.save = [addr, mask](RadioImage& im, const ControlValue& v) {
    im.SetByte(addr, static_cast<std::uint8_t>((im.Byte(addr) & ~mask) | (v.checked ? mask : 0)));
  };
  f.bytes = {{addr, mask}};
  return f;
}

Field HexWord(std::string key, std::string label, std::size_t addr, std::uint16_t emptyValue, int bytes) {
  Field f;
  f.key = std::move(key);
  f.label = std::move(label);
  f.kind = ControlKind::Edit;
  const bool word = bytes == 2;
  f.maxLength = word ? 4 : 2;
  f.allowedChars = std::string(kHexKeyChars);
  f.hint = word ? "hexadecimal, up to 4 digits" : "hexadecimal, up to 2 digits";
  f.load = [addr, word](const RadioImage& im) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(word ? im.Word(addr) : im.Byte(addr)));
    return ControlValue::Text(buf);
  };
  f.save = [addr, word, emptyValue](RadioImage& im, const ControlValue& v) {
    unsigned value = emptyValue;
    const std::string t = Trim(v.text);
    if (!t.empty()) {
      value = 0;
      for (char c : t) {
        int d = (c >= '0' && c <= '9') ? c - '0' : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
        if (d < 0) break;
        value = value * 16 + static_cast<unsigned>(d);
      }
    }
    if (word) im.SetWord(addr, static_cast<std::uint16_t>(value & 0xFFFFu));
    else im.SetByte(addr, static_cast<std::uint8_t>(value & 0xFFu));
  };
  f.bytes = {{addr, 0xFF}};
  if (word) f.bytes.push_back({addr + 1, 0xFF});
  return f;
}

Field Hide(Field f) {
  f.visible = false;
  return f;
}

Field InGroup(Field f, std::string group) {
  f.group = std::move(group);
  return f;
}

Field InColumn(Field f, int column) {
  f.column = column;
  return f;
}

Field ReadOnly(Field f, std::string why) {
  f.readOnly = std::move(why);
  return f;
}

std::function<void(PageValues&)> ApplyLeaveRules(std::vector<std::string> fieldKeys) {
  return [keys = std::move(fieldKeys)](PageValues& values) {
    for (const auto& k : keys) {
      const int i = values.IndexOf(k);
      if (i < 0) continue;
      const Field& f = values.schema->fields[static_cast<std::size_t>(i)];
      if (f.onLeave) values.values[static_cast<std::size_t>(i)].text = f.onLeave(values.values[static_cast<std::size_t>(i)].text);
    }
  };
}

std::vector<std::string> NumberItems(int from, int to) {
  std::vector<std::string> out;
  for (int i = from; i <= to; ++i) out.push_back(std::to_string(i));
  return out;
}

}  // namespace cps
