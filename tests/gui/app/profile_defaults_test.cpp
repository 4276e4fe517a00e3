// SPDX-License-Identifier: GPL-3.0-or-later
// What a fresh or partial Program.ini gives the program: absent keys take
// their defaults (9600 baud, model KD-4173, no port).
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "port/app_settings.h"

namespace cps {
namespace {

TEST(ProfileDefaults, MissingOrEmptyKeysTakeTheirDefaults) {
  struct Case {
    const char* ini;  // nullptr: no Program.ini at all
    int baud;
    const char* model;
    const char* port;
  };
  const Case cases[] = {
      {nullptr, 9600, "KD-4173", ""},
      {"[Setup]\r\n", 9600, "KD-4173", ""},
      {"[Setup]\nCOM=/dev/ttyS0\n", 9600, "KD-4173", "/dev/ttyS0"},
      {"[setup]\nbaudrate=19200\n", 19200, "KD-4173", ""},
      {"[Setup]\nBaudRate=115200\nModel=X1\nCOM=/dev/ttyUSB0\n", 115200, "X1", "/dev/ttyUSB0"},
      {"[Other]\nBaudRate=4800\n", 9600, "KD-4173", ""},
  };
  for (const Case& c : cases) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    if (c.ini) {
      QFile f(dir.filePath("Program.ini"));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(c.ini);
    }
    const AppSettings s = AppSettings::Load(dir.path().toStdString());
    const std::string label = c.ini ? c.ini : "(no Program.ini)";
    EXPECT_EQ(s.baudRate, c.baud) << label;
    EXPECT_EQ(s.modelName, c.model) << label;
    EXPECT_EQ(s.portName, c.port) << label;
    EXPECT_EQ(s.profileFile, dir.filePath("Program.ini").toStdString()) << label;
  }
}

}  // namespace
}  // namespace cps
