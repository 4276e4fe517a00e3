// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/user_settings.h"

#include <QCoreApplication>

#include "core/base/recent_files.h"

namespace cps {

std::unique_ptr<QSettings> OpenUserSettings() {
  const QString name = QCoreApplication::applicationName();
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, name, name);
}

QStringList StoredRecentFiles() {
  std::vector<std::string> stored;
  for (const QString& f : OpenUserSettings()->value(kRecentFilesKey).toStringList()) stored.push_back(f.toStdString());
  QStringList out;
  for (const std::string& f : CleanRecentFiles(stored)) out << QString::fromStdString(f);
  return out;
}

void StoreRecentFiles(const QStringList& files) { OpenUserSettings()->setValue(kRecentFilesKey, files); }

}  // namespace cps
