// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every image read completely from a radio is also kept, untouched, in a
// folder of dated files "YYYYMMDD-HHMMSS-<port>.dat"; the newest 100 stay.
// The same naming serves the serial traces ("...-<port>.txt").
//
//   auto kept = SaveBackup(settings.backupDirectory, image, "/dev/ttyUSB0", std::time(nullptr));
//   if (!kept) warn(kept.error());          // a warning, never a failed read
//   for (const DatedFile& b : ListDatedFiles(settings.backupDirectory, ".dat")) ...
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/result.h"
#include "core/image/radio_image.h"

namespace cps {

constexpr std::size_t kBackupsKept = 100;

// A port name as it may stand in a file name: "/dev/ttyUSB0" → "ttyUSB0",
// "/dev/pts/3" → "pts-3", "\\.\COM12" → "COM12"; characters other than
// letters, digits, '-', '_' and '.' become '_'.
std::string PortFileName(std::string_view portName);

// "YYYYMMDD-HHMMSS-<port><extension>" in local time.
std::string DatedFileName(std::time_t when, std::string_view portName, std::string_view extension);

struct DatedFile {
  std::string path;
  std::string time;  // "2026-12-07 10:56:13"
  std::string port;  // as in the name ("ttyUSB0", "pts-3"), without a "+2" of the same second
  std::uintmax_t size = 0;
};

// The files of `folder` named as above with `extension`, newest first.
// Nothing else in the folder is listed.
std::vector<DatedFile> ListDatedFiles(const std::string& folder, std::string_view extension);

// Creates `folder` if needed and a new file name in it that no file has
// yet (a second file in the same second gets "+2", "+3", ... after the
// port, which the list does not take as part of the port); then deletes the oldest dated files with `extension` beyond
// `keep` (counting the new one, which the caller writes next).
Result<std::string> ReserveDatedFile(const std::string& folder, std::time_t when, std::string_view portName,
                                     std::string_view extension, std::size_t keep);

// The radio an image came from, as its dPMR page shows it: the radio name
// and the radio id, as stored (no repair).
struct RadioIdentity {
  std::string name;
  std::string id;
};
RadioIdentity IdentifyRadio(const RadioImage& image);

// A backup in the list: its file, and the radio it holds when it can be
// read (`readable` false: `problem` says why).
struct Backup {
  DatedFile file;
  RadioIdentity radio;
  bool readable = false;
  std::string problem;
  bool stray = false;  // kept beside a program that is no portable install
};
// The backups of `folder` (".dat"), newest first.
std::vector<Backup> ListBackups(const std::string& folder);
// The backups of `folder` and those an earlier version kept in `strayFolder`
// (beside a program that is no portable install, such as a build folder:
// marked `stray`), newest first. An empty `strayFolder` lists `folder` only.
std::vector<Backup> ListBackups(const std::string& folder, const std::string& strayFolder);
// What to do about `count` stray backups: "2 backups lie in STRAY, beside
// the program, which is no portable install (it has no Program.ini): move
// them to FOLDER before that folder is deleted".
std::string StrayBackupsNote(std::size_t count, const std::string& strayFolder, const std::string& folder);

// Saves `image` as a new backup; returns its path.
Result<std::string> SaveBackup(const std::string& folder, const RadioImage& image, std::string_view portName,
                               std::time_t when);

}  // namespace cps
