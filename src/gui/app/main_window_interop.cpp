// SPDX-License-Identifier: GPL-3.0-or-later
// Channel lists in and out of the main window: File, Import channels and
// Export channels (CHIRP CSV files), New from template and Save channels as
// template.
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>

#include "core/base/file_io.h"
#include "core/image/new_image.h"
#include "core/interop/csv_chirp.h"
#include "core/interop/csv_template.h"
#include "gui/app/main_window.h"
#include "gui/channels/channel_form.h"
#include "gui/channels/channel_import_dialog.h"
#include "gui/channels/channel_template_dialog.h"
#include "gui/channels/channel_table_view.h"

namespace cps {

namespace {
constexpr const char* kCsvFilter = QT_TRANSLATE_NOOP("cps::CMainFrame", "CSV files (*.csv)");
}

void CMainFrame::AddInteropMenuItems(QMenu* file, QAction* before) {
  file->insertSeparator(before);
  auto add = [&](const QString& text, const char* name, const QString& tip, void (CMainFrame::*slot)()) {
    auto* a = new QAction(text, file);
    a->setObjectName(name);
    a->setStatusTip(tip);
    connect(a, &QAction::triggered, this, slot);
    file->insertAction(before, a);
  };
  add(tr("Import c&hannels…"), "actionImportChannels", tr("Put the channels of a CHIRP CSV file into the channel table"),
      &CMainFrame::OnImportChannels);
  add(tr("Export channe&ls…"), "actionExportChannels", tr("Write the channels to a CHIRP CSV file"), &CMainFrame::OnExportChannels);
  add(tr("New from te&mplate…"), "actionNewFromTemplate", tr("Create a new document from a channel plan"),
      &CMainFrame::OnNewFromTemplate);
  add(tr("Save channels as templat&e…"), "actionSaveTemplate", tr("Keep the channels as a template of your own"),
      &CMainFrame::OnSaveChannelsAsTemplate);
}

void CMainFrame::OnImportChannels() {
  QFileDialog dlg(this, tr("Import channels"), DialogFolder(), tr(kCsvFilter));
  dlg.setAcceptMode(QFileDialog::AcceptOpen);
  dlg.setFileMode(QFileDialog::ExistingFile);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
  RememberDialogFolder(dlg.selectedFiles().first());
  ImportChannelsFrom(dlg.selectedFiles().first());
}

bool CMainFrame::ImportChannelsFrom(const QString& path) {
  if (!form_) return false;
  auto text = ReadCsvFile(path.toStdString());
  Result<CsvTable> csv = text ? ReadChirpCsv(*text) : Result<CsvTable>(Error{text.error()});
  if (!csv) {
    ShowMessage(this, tr("Cannot import channels from %1.\n%2")
                          .arg(QFileInfo(path).fileName(), QString::fromStdString(csv.error())));
    return false;
  }
  ChannelTableView* view = form_->view();
  view->CommitOpenEditor();
  ChannelImportDialog dialog(std::move(*csv), CurrentBand(), kByLocation, this);
  if (dialog.exec() != QDialog::Accepted) return false;
  const CsvImportPlan plan = dialog.plan();
  view->ChangeChannels(tr("Import channels"), [&](RadioImage& image, ChannelTable& table) { ApplyChirpImport(image, table, plan); });
  return true;
}

void CMainFrame::OnExportChannels() {
  const QString base = doc_.path().isEmpty() ? QString::fromStdString(settings_.modelName)
                                             : QFileInfo(doc_.path()).completeBaseName();
  QFileDialog dlg(this, tr("Export channels"), DialogFolder() + "/" + base + ".csv", tr(kCsvFilter));
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix("csv");
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
  RememberDialogFolder(dlg.selectedFiles().first());
  ExportChannelsTo(dlg.selectedFiles().first());
}

bool CMainFrame::ExportChannelsTo(const QString& path) {
  if (!form_) return false;
  form_->view()->CommitOpenEditor();
  Status st = WriteFileSafely(path.toStdString(), ExportChirpCsv(form_->view()->table()));
  if (!st) {
    ShowMessage(this, tr("Cannot export the channels to %1.\n%2")
                          .arg(QFileInfo(path).fileName(), QString::fromStdString(st.error())));
    return false;
  }
  return true;
}

void CMainFrame::OnNewFromTemplate() {
  ChannelTemplateDialog dialog(FindChannelTemplates(settings_.TemplateFolders()), this, settings_.TemplateFolders());
  if (dialog.exec() != QDialog::Accepted || !dialog.selected()) return;
  NewFromTemplate(*dialog.selected());
}

bool CMainFrame::NewFromTemplate(const ChannelTemplate& t) {
  if (!form_) return false;
  const int band = TemplateBandIndex(t);
  if (band < 0) {
    ShowMessage(this, tr("The channels of template '%1' lie in no band of this radio.").arg(QString::fromStdString(t.name)));
    return false;
  }
  // The band of the image File, New makes: a template of the other band
  // asks first, as the band selector does.
  ChannelTable fresh;
  fresh.Load(NewImage(settings_.DefaultDatPath(), CurrentBand()));
  if (fresh.BandChangeClears(band) && !form_->Confirm(ChannelForm::tr(kBandChangeQuestion))) return false;
  if (!MaybeSave()) return false;
  NewDocument();
  Status st;
  // The template is the first step of the new document.
  form_->view()->ChangeChannels(tr("New from template"),
                                [&](RadioImage& img, ChannelTable& table) { st = ApplyChannelTemplate(img, table, t); });
  form_->Refresh();  // the band selector too
  if (!st) {
    ShowMessage(this, QString::fromStdString(st.error()));
    return false;
  }
  return true;
}

void CMainFrame::OnSaveChannelsAsTemplate() {
  QInputDialog ask(this);
  ask.setWindowTitle(tr("Save channels as template"));
  ask.setLabelText(tr("Template name:"));
  ask.setMinimumWidth(ask.fontMetrics().horizontalAdvance(ask.windowTitle()) + 160);  // the title in full
  if (ask.exec() != QDialog::Accepted) return;
  const QString name = ask.textValue().trimmed();
  if (name.isEmpty()) return;
  const QString path =
      QString::fromStdString(settings_.userTemplateFolder + TemplateFileName(name.toStdString()));
  if (IsShippedTemplateName(name.toStdString())) {
    QMessageBox box(QMessageBox::Question, tr("Program"),
                    tr("%1 is a template that comes with the program. Save your channels under this name? "
                       "Your template then takes its place in the list.")
                        .arg(name),
                    QMessageBox::Yes | QMessageBox::No, this);
    if (box.exec() != QMessageBox::Yes) return;
  } else if (QFileInfo::exists(path)) {
    QMessageBox box(QMessageBox::Question, tr("Program"), tr("Replace the template %1?").arg(name),
                    QMessageBox::Yes | QMessageBox::No, this);
    if (box.exec() != QMessageBox::Yes) return;
  }
  SaveChannelsAsTemplate(name, path);
}

bool CMainFrame::SaveChannelsAsTemplate(const QString& name, const QString& path) {
  if (!form_) return false;
  form_->view()->CommitOpenEditor();
  ChannelTable pmr(kPmrChannelBase, false);
  pmr.setBand(CurrentBand());
  pmr.Load(image());
  const std::string text = ChannelTemplateText(name.toStdString(), "Saved from " + doc_.displayName().toStdString(),
                                               form_->view()->table(), pmr);
  QDir().mkpath(QFileInfo(path).absolutePath());
  Status st = WriteFileSafely(path.toStdString(), text);
  if (!st) {
    ShowMessage(this, tr("Cannot save the template %1.\n%2").arg(name, QString::fromStdString(st.error())));
    return false;
  }
  statusBar()->showMessage(tr("Template %1 saved in %2").arg(name, QFileInfo(path).absolutePath()), 5000);
  return true;
}

}  // namespace cps
