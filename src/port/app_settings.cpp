// SPDX-License-Identifier: GPL-3.0-or-later
#include "port/app_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>

#include "app_version.h"
#include "core/base/c_text.h"

namespace cps {

namespace fs = std::filesystem;

namespace {

std::string WithSlash(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

void EnsureAppName() {
  if (QCoreApplication::applicationName() != "dpmr-cps") QCoreApplication::setApplicationName("dpmr-cps");
}

// Folders searched for data files after the program's folder: the user's
// data folder, the data folder of the prefix the program is installed
// under, then the system's data folders.
QStringList DataDirectories() {
  QStringList dirs = QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
  const QString installed = QDir::cleanPath(
      QString::fromStdString((fs::path(ProgramDirectory()) / kDataDirFromProgram).string()));
  dirs.removeAll(installed);
  dirs.insert(dirs.isEmpty() ? 0 : 1, installed);
  return dirs;
}

}  // namespace

std::string ProgramDirectory() {
  if (QCoreApplication::instance()) return WithSlash(QCoreApplication::applicationDirPath().toStdString());
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) return WithSlash(exe.parent_path().string());
  return WithSlash(fs::current_path(ec).string());
}

AppSettings AppSettings::Load(const std::string& appDirOverride) {
  EnsureAppName();
  AppSettings s;
  s.appDirectory = WithSlash(appDirOverride.empty() ? ProgramDirectory() : appDirOverride);
  s.appDirOverridden = !appDirOverride.empty();
  const std::string local = s.appDirectory + "Program.ini";
  // Portable only on purpose: a Program.ini put beside the program, or
  // --app-dir. A folder the program merely can write into (a build folder)
  // is not one: `rm -rf build` must not take the backups with it.
  const bool portable = QFileInfo::exists(QString::fromStdString(local)) || !appDirOverride.empty();
  if (portable) {
    s.profileFile = local;
  } else {
    const QString cfg = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    s.profileFile = WithSlash(cfg.toStdString()) + "Program.ini";
  }
  s.userTemplateFolder =
      WithSlash(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString()) + "templates/";
  const IniFile ini = IniFile::Load(s.profileFile);
  s.portName = ini.Read("Setup", "COM", "");
  s.modelName = ini.Read("Setup", "Model", "KD-4173");
  s.baudRate = static_cast<int>(ParseInt(ini.Read("Setup", "BaudRate", "9600")));
  s.verifyAfterWrite = ParseInt(ini.Read("Setup", "Verify", "0")) != 0;
  s.logSerial = ParseInt(ini.Read("Setup", "LogSerial", "0")) != 0;
  s.fleetPorts = ini.Read("Setup", "FleetPorts", "");
  s.fleetFirstId = ini.Read("Setup", "FleetFirstId", "");
  s.checkWhenClean = ParseInt(ini.Read("Setup", "CheckWhenClean", "1")) != 0;
  const std::string data =
      portable ? s.appDirectory
               : WithSlash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
  s.backupDirectory = data + "backups/";
  s.traceDirectory = data + "traces/";
  if (!portable && QFileInfo(QString::fromStdString(s.appDirectory + "backups")).isDir())
    s.strayBackupDirectory = s.appDirectory + "backups/";
  const std::string img = s.appDirectory + "Img/";
  s.bitmapDirectory = img;
  if (!QFileInfo(QString::fromStdString(img)).isDir() && appDirOverride.empty()) {
    for (const QString& d : DataDirectories()) {
      if (QFileInfo(d + "/Img").isDir()) {
        s.bitmapDirectory = WithSlash((d + "/Img").toStdString());
        break;
      }
    }
  }
  return s;
}

Status AppSettings::SavePort() const {
  if (portName.empty()) return Status::Ok();
  return SaveKey("COM", portName);
}

Status AppSettings::SaveKey(const std::string& key, const std::string& value) const {
  if (profileFile.empty()) return Status::Ok();
  QDir().mkpath(QFileInfo(QString::fromStdString(profileFile)).absolutePath());
  auto ini = IniFile::LoadForUpdate(profileFile);
  if (!ini) return Status(Error{ini.error()});
  ini->Set("Setup", key, value);
  return ini->Save(profileFile);
}

std::string AppSettings::FindDataFile(const std::string& name) const {
  const std::string local = appDirectory + name;
  if (QFileInfo(QString::fromStdString(local)).isFile()) return local;
  if (appDirOverridden) return {};
  for (const QString& d : DataDirectories()) {
    const QString p = d + "/" + QString::fromStdString(name);
    if (QFileInfo(p).isFile()) return p.toStdString();
  }
  return {};
}

std::vector<std::string> AppSettings::TemplateFolders() const {
  std::vector<std::string> folders;
  if (!appDirOverridden) {
    const QStringList data = QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
    for (auto it = data.rbegin(); it != data.rend(); ++it) folders.push_back(WithSlash(it->toStdString()) + "templates/");
  }
  folders.push_back(appDirectory + "../share/dpmr-cps/templates/");
  folders.push_back(appDirectory + "templates/");
  folders.push_back(userTemplateFolder);
  return folders;
}

}  // namespace cps
