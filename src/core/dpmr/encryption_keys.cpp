// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dpmr/encryption_keys.h"

#include <algorithm>

#include "core/base/c_text.h"
#include "core/codec/digit_codes.h"
#include "core/dpmr/channel_refs.h"
#include "core/dpmr/dpmr_layout.h"

namespace cps::dpmr {
namespace {

constexpr std::size_t kAliasLength = 8;
constexpr std::size_t kKeyLength = 8;

std::size_t RecordAddress(int n) { return kKeyRecords + kKeyRecordSize * static_cast<std::size_t>(n - 1); }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

void KeyList::Load(const RadioImage& image) {
  encrypt_ = image.Byte(kEncryptOn) == 1;
  int count = image.Byte(kKeyCount);
  if (count > kMaxKeys) count = 0;
  keys_.clear();
  static const char* kHex = kKeyDigits;
  for (int n = 1; n <= count; ++n) {
    const std::size_t rec = RecordAddress(n);
    EncryptionKey k;
    k.alias = PrintableText(image, rec + 8, kAliasLength);
    for (std::size_t i = 0; i < 4; ++i) {
      const std::uint8_t b = image.Byte(rec + i);
      k.key += kHex[b >> 4];
      k.key += kHex[b & 0x0F];
    }
    k.origin = n;
    keys_.push_back(std::move(k));
  }
  loadedCount_ = count;
}

void KeyList::Store(RadioImage& image) {
  image.SetByte(kEncryptOn, encrypt_ ? 1 : 0);
  image.SetByte(kKeyCount, static_cast<std::uint8_t>(keys_.size()));
  for (std::size_t i = 0; i < keys_.size(); ++i) {
    const std::size_t rec = RecordAddress(static_cast<int>(i) + 1);
    image.Fill(rec, kKeyRecordSize, 0xFF);
    WritePrintable(image, rec + 8, keys_[i].alias, kAliasLength);
    const std::string text = FitText(keys_[i].key, 'F', kKeyLength, false);
    for (std::size_t p = 0; p < 4; ++p) {
      const int hi = HexValue(text[2 * p]), lo = HexValue(text[2 * p + 1]);
      image.SetByte(rec + p, static_cast<std::uint8_t>(((hi < 0 ? 0xF : hi) << 4) | (lo < 0 ? 0xF : lo)));
    }
  }
  std::vector<int> origins;
  for (const auto& k : keys_) origins.push_back(k.origin);
  RemapChannelKeys(image, MapFromOrigins(origins, loadedCount_));
  // The image now holds the list as it stands: positions start afresh.
  for (std::size_t i = 0; i < keys_.size(); ++i) keys_[i].origin = static_cast<int>(i) + 1;
  loadedCount_ = Count();
}

std::string KeyList::FreeAlias() const {
  for (int n = 1; n <= kMaxKeys; ++n) {
    const std::string alias = "Key " + std::to_string(n);
    if (std::none_of(keys_.begin(), keys_.end(), [&](const EncryptionKey& k) { return k.alias == alias; })) return alias;
  }
  return {};
}

std::optional<int> KeyList::Add() { return Insert(Count()); }

std::optional<int> KeyList::Insert(int row) {
  if (Count() >= kMaxKeys) return std::nullopt;
  if (row < 0 || row > Count()) row = Count();
  keys_.insert(keys_.begin() + row, EncryptionKey{FreeAlias(), kNewKeyText, 0});
  return row;
}

bool KeyList::Delete(int row) {
  if (row < 0 || row >= Count()) return false;
  keys_.erase(keys_.begin() + row);
  return true;
}

bool KeyList::EditAlias(int row, std::string_view text) {
  if (row < 0 || row >= Count()) return false;
  keys_[static_cast<std::size_t>(row)].alias = std::string(text.substr(0, kAliasLength));
  return true;
}

std::optional<std::string> KeyList::EditKey(int row, std::string_view text) {
  if (row < 0 || row >= Count() || text.empty()) return std::nullopt;
  const std::string upper = ToUpper(text);
  if (std::any_of(upper.begin(), upper.end(), [](char c) { return HexValue(c) < 0; })) return std::nullopt;
  std::string fitted = FitText(upper, 'F', kKeyLength, false);
  keys_[static_cast<std::size_t>(row)].key = fitted;
  return fitted;
}

}  // namespace cps::dpmr
