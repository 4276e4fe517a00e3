// Channel lists in and out of the main window: File, Import channels and
// Export channels (CHIRP CSV files).
#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

#include "core/image/image_file.h"
#include "core/interop/csv_chirp.h"
#include "gui/app/main_window.h"
#include "gui/channels/channel_form.h"
#include "gui/channels/channel_import_dialog.h"
#include "gui/channels/channel_table_view.h"

namespace cps {

namespace {
constexpr const char* kCsvFilter = "*.csv (*.csv)";
}

void CMainFrame::AddInteropMenuItems(QMenu* file) {
  QAction* import = file->addAction("Import channels…");
  import->setObjectName("actionImportChannels");
  import->setStatusTip("Put the channels of a CHIRP CSV file into the channel table");
  connect(import, &QAction::triggered, this, &CMainFrame::OnImportChannels);
  QAction* exportAction = file->addAction("Export channels…");
  exportAction->setObjectName("actionExportChannels");
  exportAction->setStatusTip("Write the channels to a CHIRP CSV file");
  connect(exportAction, &QAction::triggered, this, &CMainFrame::OnExportChannels);
}

QString CMainFrame::CsvFolder() const {
  return doc_.path().isEmpty() ? QString() : QFileInfo(doc_.path()).absolutePath();
}

void CMainFrame::OnImportChannels() {
  QFileDialog dlg(this, "Import channels", CsvFolder(), kCsvFilter);
  dlg.setAcceptMode(QFileDialog::AcceptOpen);
  dlg.setFileMode(QFileDialog::ExistingFile);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
  ImportChannelsFrom(dlg.selectedFiles().first());
}

bool CMainFrame::ImportChannelsFrom(const QString& path) {
  if (!form_) return false;
  auto text = ReadCsvFile(path.toStdString());
  Result<CsvTable> csv = text ? ReadChirpCsv(*text) : Result<CsvTable>(Error{text.error()});
  if (!csv) {
    ShowMessage(this, QString("Cannot import channels from %1.\n%2")
                          .arg(QFileInfo(path).fileName(), QString::fromStdString(csv.error())));
    return false;
  }
  ChannelTableView* view = form_->view();
  view->CommitOpenEditor();
  ChannelImportDialog dialog(std::move(*csv), CurrentBand(), 1, this);
  if (dialog.exec() != QDialog::Accepted) return false;
  const CsvImportPlan plan = dialog.plan();
  view->ChangeChannels([&](RadioImage& image, ChannelTable& table) { ApplyChirpImport(image, table, plan); });
  return true;
}

void CMainFrame::OnExportChannels() {
  const QString base = doc_.path().isEmpty() ? QString::fromStdString(settings_.modelName)
                                             : QFileInfo(doc_.path()).completeBaseName();
  const QString folder = CsvFolder();
  QFileDialog dlg(this, "Export channels", folder.isEmpty() ? base + ".csv" : folder + "/" + base + ".csv", kCsvFilter);
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix("csv");
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
  ExportChannelsTo(dlg.selectedFiles().first());
}

bool CMainFrame::ExportChannelsTo(const QString& path) {
  if (!form_) return false;
  form_->view()->CommitOpenEditor();
  Status st = WriteFileAtomic(path.toStdString(), ExportChirpCsv(form_->view()->table()));
  if (!st) {
    ShowMessage(this, QString("Cannot export the channels to %1.\n%2")
                          .arg(QFileInfo(path).fileName(), QString::fromStdString(st.error())));
    return false;
  }
  return true;
}

}  // namespace cps
