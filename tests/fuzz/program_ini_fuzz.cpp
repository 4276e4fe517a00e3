// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any text as Program.ini. The program's keys read as at
// start-up; writing "COM" back keeps every other key's value and reads back
// as written.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/base/c_text.h"
#include "core/base/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  cps::IniFile ini = cps::IniFile::Parse(text);
  const std::string model = ini.Read("Setup", "Model", "KD-4173");
  const std::string baud = ini.Read("Setup", "BaudRate", "9600");
  (void)cps::ParseInt(baud);
  (void)ini.Read("Setup", "COM", "");

  ini.Set("Setup", "COM", "/dev/ttyUSB0");
  const cps::IniFile again = cps::IniFile::Parse(ini.Text());
  if (again.Read("Setup", "COM", "") != "/dev/ttyUSB0") __builtin_trap();
  if (again.Read("Setup", "Model", "KD-4173") != model) __builtin_trap();
  if (again.Read("Setup", "BaudRate", "9600") != baud) __builtin_trap();
  return 0;
}
