// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/image/new_image.h"

#include <initializer_list>

#include "core/image/image_file.h"

namespace cps {

namespace {

void Put(RadioImage& image, std::size_t addr, std::initializer_list<std::uint8_t> bytes) {
  for (std::uint8_t b : bytes) image.SetByte(addr++, b);
}

// Digit strings are stored one digit value per byte, at most 7.
void PutDigits(RadioImage& image, std::size_t addr, const char* digits) {
  for (int i = 0; i < 7 && digits[i]; ++i) image.SetByte(addr + i, static_cast<std::uint8_t>(digits[i] - '0'));
}

}  // namespace

void WriteDefaultChannelRecord(RadioImage& image, std::size_t recordAddr) {
  image.Fill(recordAddr, 32, 0xFF);
  Put(image, recordAddr + 0x0C, {0x00, 0x00, 0x06, 0x00});
  Put(image, recordAddr + 0x10, {0x01, 0x00, 0x40});
  Put(image, recordAddr + 0x14, {0x01, 0x00, 0x00});
}

void ApplyBuiltInDefaults(RadioImage& image, const BandLimits& band) {
  for (int n = 1; n <= 16; ++n) {
    WriteDefaultChannelRecord(image, 0x0100 + 32 * (n - 1));
    Put(image, 0x3E7C + 4 * n, {0xFF, 0xFF, 0xFE, 0x1E});
  }
  Put(image, 0x0000, {0x01, 0x00, 0x00, 0x00});
  Put(image, 0x0300, {0x05, 0x0A, 0x0A, 0x00});
  Put(image, 0x0307, {0xC1, 0x00, 0x00, 0x00, 0x00, 0x00});
  Put(image, 0x0310, {0x00, 0x05, 0x0A});
  Put(image, 0x0318, {0xDF, 0xC5, 0xFC, 0x00});
  Put(image, 0x0320, {0x0A});
  Put(image, 0x0322, {0x09, 0x00, 0x00, 0x00, 0x00, 0x00});
  Put(image, 0x0340, {0x01, 0x00, 0x14});
  Put(image, 0x0344, {0x1E});
  Put(image, 0x0347, {0x8C});
  Put(image, 0x034A, {0x00});
  Put(image, 0x0350, {0x00, 0x00});
  Put(image, 0x0354, {0x0A, 0x05, 0x08, 0x00});
  PutDigits(image, 0x0360, "9999998");
  Put(image, 0x0368, {0x00, 0x0A, 0x0A});
  Put(image, 0x0370, {0x00, 0x0A, 0x05, 0x0A});
  Put(image, 0x0378, {0x00, 0x19, 0x01});
  PutDigits(image, 0x0388, "0000001");
  Put(image, 0x0398, {0x07, 0x00, 0x03, 0x04, 0x03, 0x00, 0x01, 0x00});
  PutDigits(image, 0x04B0, "9999990");
  PutDigits(image, 0x04B8, "9999991");
  image.SetWord(0x04C0, 0x0540);
  PutDigits(image, 0x0540, "0000001");
  Put(image, 0x0547, {0x01, 'N', 'a', 'm', 'e', ' ', '1'});
  Put(image, 0x2000, {0x0A, 0x01, 0x01, 0x01});
  Put(image, 0x2005, {0x00});
  Put(image, 0x2007, {0x01, 0x0A, 0x32});
  Put(image, 0x2030, {0x0E, 0x04});
  Put(image, 0x2034, {0x0A});
  Put(image, 0x2037, {0x21});
  Put(image, 0x3EC0, {0x05, 0x03, 0x05});
  image.SetFrequency(0x3FA0, band.low);
  image.SetFrequency(0x3FA4, band.high);
}

RadioImage NewImage(const std::string& defaultDatPath, const BandLimits& band) {
  RadioImage image;
  image.Fill(0xFF);
  if (!defaultDatPath.empty() && LoadImagePrefix(defaultDatPath, image)) return image;
  ApplyBuiltInDefaults(image, band);
  return image;
}

}  // namespace cps
