// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "core/base/ini_file.h"
#include "core/base/result.h"

namespace cps {

// The process-wide settings read at start-up: where the program lives, the
// "Program.ini" keys of section "Setup", and where the optional data files
// ("Default.dat", "Factory.dat", "Img/") are found.
struct AppSettings {
  std::string appDirectory;   // the program's folder, with a trailing '/'
  std::string profileFile;    // "Program.ini"
  std::string portName;       // "COM", default ""
  std::string modelName = "KD-4173";  // "Model"
  int baudRate = 9600;        // "BaudRate", read like atoi
  std::string bitmapDirectory;  // "Img/" folder of the side-key pictures
  bool appDirOverridden = false;  // --app-dir given: look nowhere else
  bool verifyAfterWrite = false;  // "Verify": read the radio back after a write
  bool logSerial = false;         // "LogSerial": trace every transfer into traceDirectory
  // "Write to several radios" as last started: the checked ports ("FleetPorts",
  // separated by ';') and the first radio id ("FleetFirstId", empty: none given).
  std::string fleetPorts;
  std::string fleetFirstId;
  // "CheckWhenClean": the check before a Write shows even when it finds nothing.
  bool checkWhenClean = true;
  // Where reads are kept (backups/) and serial traces go (traces/): beside
  // Program.ini in a portable install (a Program.ini in the program's
  // folder, or --app-dir), else in the user's data folder
  // (~/.local/share/dpmr-cps/).
  std::string backupDirectory;
  std::string traceDirectory;
  // backups/ beside a program that is not a portable install, where earlier
  // versions kept the reads of a program run from a folder it could write
  // (a build folder): still listed, with the advice to move them. Empty
  // when there is none.
  std::string strayBackupDirectory;
  // The user's own channel templates: "templates/" in the user's
  // configuration folder, where Program.ini lives when the program folder
  // is not writable.
  std::string userTemplateFolder;

  // Reads "Program.ini". `appDirOverride` (the --app-dir option) replaces
  // the program's folder when not empty.
  static AppSettings Load(const std::string& appDirOverride = {});

  // At exit: writes "COM" = portName into the profile, only when not empty;
  // every other line of the file stays as it was.
  Status SavePort() const;
  // Writes one key of section "Setup" now (the check boxes remembered at
  // once: "Verify", "LogSerial"); every other line stays as it was.
  Status SaveKey(const std::string& key, const std::string& value) const;

  // A data file by name: the program's folder first, then (unless the
  // folder was given with --app-dir) the user's data folder, share/dpmr-cps
  // of the prefix the program is installed under and the system's data
  // folders. Empty when none holds it.
  std::string FindDataFile(const std::string& name) const;
  std::string DefaultDatPath() const { return FindDataFile("Default.dat"); }
  std::string FactoryDatPath() const { return FindDataFile("Factory.dat"); }
  // Folders that hold channel templates, the shipped ones first and the
  // user's folder last (a later folder's template overrides one of the
  // same name): the system data folders (unless --app-dir was given), the
  // install's share/dpmr-cps/templates, the program folder's templates/.
  std::vector<std::string> TemplateFolders() const;
};

// Folder of the running program file, with a trailing '/'.
std::string ProgramDirectory();

}  // namespace cps
