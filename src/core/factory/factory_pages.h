// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The factory adjustment block 0x0040-0x0087: the audio calibration values
// of the hidden "可调节参数" dialog, as three pages "Tx", "Rx" and "DTMF".
//
// All three pages share the key "factory", so their fields are
// "factory.<field>" on the command line; field keys are unique across the
// three. Bytes of the block that no field names are never written by the
// pages (they travel with the block in the factory exchange only).
#include <cstdint>
#include <string>
#include <vector>

#include "core/schema/schema.h"

namespace cps {

const PageSchema& FactoryTxPageSchema();
const PageSchema& FactoryRxPageSchema();
const PageSchema& FactoryDtmfPageSchema();
// Tx, Rx, DTMF: the tabs in order.
const std::vector<const PageSchema*>& FactoryPageSchemas();
// The three tabs as the dialog opens them, stored again: what the dialog's
// Write sends of an image (a gain index outside its list becomes the "0"
// item).
void StoreFactoryPages(RadioImage& image);

// Gain list A: item i reads i × 0.75 - 12 as "%G" (-12 ... 35.25); item 16
// is 0. Gain list B: item i reads i - 57 (-57 ... 6); item 57 is 0.
const std::vector<std::string>& FactoryGainListA();
const std::vector<std::string>& FactoryGainListB();
inline constexpr int kGainAZeroItem = 16;
inline constexpr int kGainBZeroItem = 57;

// What an empty hex field stores.
inline constexpr std::uint16_t kHexWordEmpty = 0x0800;
inline constexpr std::uint16_t kDecoderGainEmpty = 0x0000;
inline constexpr std::uint16_t kDtmfAmplitudeEmpty = 0x7F;

}  // namespace cps
