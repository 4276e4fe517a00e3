// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a desktop program: its place and size kept from one run
// to the next, the "Recent files" submenu, a dropped image file, and the
// folder the file dialogs start in.
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "core/base/recent_files.h"
#include "gui/app/main_window.h"
#include "gui/app/user_settings.h"

namespace cps {

namespace {

std::vector<std::string> ToStd(const QStringList& list) {
  std::vector<std::string> out;
  for (const QString& s : list) out.push_back(s.toStdString());
  return out;
}

QStringList ToQt(const std::vector<std::string>& list) {
  QStringList out;
  for (const std::string& s : list) out << QString::fromStdString(s);
  return out;
}

}  // namespace

QString DroppedImagePath(const QMimeData* mime) {
  if (!mime || !mime->hasUrls() || mime->urls().size() != 1) return {};
  const QUrl url = mime->urls().first();
  if (!url.isLocalFile()) return {};
  const QString path = url.toLocalFile();
  return path.endsWith(".dat", Qt::CaseInsensitive) ? path : QString();
}

QString DropRefusal(const QMimeData* mime) {
  if (!mime || !mime->hasUrls() || mime->urls().isEmpty()) return {};
  if (!DroppedImagePath(mime).isEmpty()) return {};
  const QList<QUrl> urls = mime->urls();
  if (urls.size() > 1)
    return CMainFrame::tr("%1 files were dropped. Drop one image file (.dat) at a time.").arg(urls.size());
  if (!urls.first().isLocalFile())
    return CMainFrame::tr("%1 is not a file on this computer and was not opened.").arg(urls.first().toDisplayString());
  const QString name = QFileInfo(urls.first().toLocalFile()).fileName();
  if (name.endsWith(".csv", Qt::CaseInsensitive))
    return CMainFrame::tr("%1 is a channel list, not an image file (.dat).\nImport its channels into the channel table?").arg(name);
  return CMainFrame::tr("%1 is not an image file (.dat) and was not opened.").arg(name);
}

void CMainFrame::InitDesktop() {
  setAcceptDrops(true);

  // "Recent files" sits above Exit.
  QAction* exit = findChild<QAction*>("actionExit");
  QMenu* file = menuBar()->actions().isEmpty() ? nullptr : menuBar()->actions().first()->menu();
  if (file && exit) {
    recentMenu_ = new QMenu(tr("Recent &files"), file);
    recentMenu_->setObjectName("recentFilesMenu");
    file->insertMenu(exit, recentMenu_);
    file->insertSeparator(exit);
    RebuildRecentMenu();
  }

  const QByteArray geometry = OpenUserSettings()->value(kWindowGeometryKey).toByteArray();
  if (!geometry.isEmpty()) restoreGeometry(geometry);
}

void CMainFrame::SaveDesktopState() { OpenUserSettings()->setValue(kWindowGeometryKey, saveGeometry()); }

QStringList CMainFrame::recentFiles() const { return StoredRecentFiles(); }

void CMainFrame::NoteRecentFile(const QString& path) {
  const QFileInfo info(path);
  const QString absolute = QDir::cleanPath(info.absoluteFilePath());
  StoreRecentFiles(ToQt(WithRecentFile(ToStd(StoredRecentFiles()), absolute.toStdString())));
  RememberDialogFolder(path);
  RebuildRecentMenu();
}

void CMainFrame::RememberDialogFolder(const QString& file) {
  OpenUserSettings()->setValue(kLastFolderKey, QFileInfo(file).absolutePath());
}

void CMainFrame::RebuildRecentMenu() {
  if (!recentMenu_) return;
  recentMenu_->clear();
  const QStringList files = StoredRecentFiles();
  const std::string home = QDir::homePath().toStdString();
  for (int i = 0; i < files.size(); ++i) {
    const QString path = files.at(i);
    QAction* a = recentMenu_->addAction(
        QString::fromStdString(RecentFileLabel(static_cast<std::size_t>(i), path.toStdString(), home)));
    a->setStatusTip(QDir::toNativeSeparators(path));
    a->setData(path);
    connect(a, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
  }
  recentMenu_->setEnabled(!files.isEmpty());
}

void CMainFrame::OpenRecentFile(const QString& path) {
  if (!QFileInfo(path).isFile()) {
    StoreRecentFiles(ToQt(WithoutRecentFile(ToStd(StoredRecentFiles()), path.toStdString())));
    RebuildRecentMenu();
    ShowMessage(this, tr("%1 no longer exists.\nIt has been removed from the recent files.")
                          .arg(QDir::toNativeSeparators(path)));
    return;
  }
  OpenPath(path);
}

bool CMainFrame::OpenPath(const QString& path) {
  if (!MaybeSave()) return false;
  return OpenDocument(path);
}

QString CMainFrame::DialogFolder() const {
  const QString last = OpenUserSettings()->value(kLastFolderKey).toString();
  if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
  if (!doc_.path().isEmpty()) return QFileInfo(doc_.path()).absolutePath();
  return QDir::currentPath();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  // Anything with files is taken, so that a drop that cannot open says why.
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const QString path = DroppedImagePath(event->mimeData());
  const QString refusal = DropRefusal(event->mimeData());
  if (path.isEmpty() && refusal.isEmpty()) return;
  event->acceptProposedAction();
  const QList<QUrl> urls = event->mimeData()->urls();
  const QString csv = urls.size() == 1 && urls.first().isLocalFile() &&
                              urls.first().toLocalFile().endsWith(".csv", Qt::CaseInsensitive)
                          ? urls.first().toLocalFile()
                          : QString();
  // The questions are asked once the drop has ended, so that the program
  // the file came from is not kept waiting.
  QTimer::singleShot(0, this, [this, path, refusal, csv] {
    if (!path.isEmpty()) {
      OpenPath(path);
    } else if (!csv.isEmpty()) {
      QMessageBox box(QMessageBox::Question, tr("Program"), refusal, QMessageBox::NoButton, this);
      QPushButton* import = box.addButton(tr("Import channels"), QMessageBox::AcceptRole);
      box.addButton(QMessageBox::Cancel);
      box.setDefaultButton(import);
      box.exec();
      if (box.clickedButton() == import) ImportChannelsFrom(csv);
    } else {
      ShowMessage(this, refusal);
    }
  });
}

}  // namespace cps
