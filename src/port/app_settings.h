#pragma once
#include <string>

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

  // Reads "Program.ini". `appDirOverride` (the --app-dir option) replaces
  // the program's folder when not empty.
  static AppSettings Load(const std::string& appDirOverride = {});

  // At exit: writes "COM" = portName into the profile, only when not empty;
  // every other line of the file stays as it was.
  Status SavePort() const;

  // A data file by name: the program's folder first, then (unless the
  // folder was given with --app-dir) the user's data folder, share/dpmr-cps
  // of the prefix the program is installed under and the system's data
  // folders. Empty when none holds it.
  std::string FindDataFile(const std::string& name) const;
  std::string DefaultDatPath() const { return FindDataFile("Default.dat"); }
  std::string FactoryDatPath() const { return FindDataFile("Factory.dat"); }
};

// Folder of the running program file, with a trailing '/'.
std::string ProgramDirectory();

}  // namespace cps
