// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's own settings of the desktop program (window place, recent
// files, last folder), kept apart from "Program.ini": on Linux in
// ~/.config/dpmr-cps/dpmr-cps.conf. Tests redirect them with
// QSettings::setPath.
#include <QSettings>
#include <QStringList>
#include <memory>

namespace cps {

std::unique_ptr<QSettings> OpenUserSettings();

// Keys of the user's settings.
inline constexpr const char* kWindowGeometryKey = "window/geometry";
inline constexpr const char* kRecentFilesKey = "files/recent";
inline constexpr const char* kLastFolderKey = "files/lastFolder";

// The recent-files list as stored, made sound (no repeats, at most 8).
QStringList StoredRecentFiles();
void StoreRecentFiles(const QStringList& files);

}  // namespace cps
