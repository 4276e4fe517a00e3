// SPDX-License-Identifier: GPL-3.0-or-later
// File menu items on the text form of the image: "Export as text...",
// "Import from text...", "Compare with file...".
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

#include "core/document/document.h"
#include "core/base/file_io.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"
#include "core/interop/image_compare.h"
#include "core/interop/text_image.h"
#include "gui/app/compare_dialog.h"
#include "gui/app/main_window.h"
#include "gui/app/undo_history.h"
#include "gui/widgets/notes_dialog.h"

namespace cps {

namespace {

constexpr const char* kTextFilter = QT_TRANSLATE_NOOP("cps::CMainFrame", "*.yaml (*.yaml *.yml)");
constexpr const char* kCompareFilter = QT_TRANSLATE_NOOP("cps::CMainFrame", "*.dat *.yaml (*.dat *.yaml *.yml)");

// The dialog starts in the folder the file dialogs were last in.
QString ChooseFile(CMainFrame* parent, const QString& caption, const char* filter, bool save) {
  QFileDialog dlg(parent, caption, parent->DialogFolder(), CMainFrame::tr(filter));
  dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (save) dlg.setDefaultSuffix("yaml");
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
  parent->RememberDialogFolder(dlg.selectedFiles().first());
  return dlg.selectedFiles().first();
}

}  // namespace

void CMainFrame::AddTextItems(QMenu* file, QAction* before) {
  file->insertSeparator(before);
  auto add = [&](const QString& text, const char* name, void (CMainFrame::*slot)()) {
    auto* a = new QAction(text, file);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, slot);
    file->insertAction(before, a);
  };
  add(tr("Export as &text..."), "actionExportText", &CMainFrame::OnExportText);
  add(tr("&Import from text..."), "actionImportText", &CMainFrame::OnImportText);
  add(tr("&Compare with file..."), "actionCompareFile", &CMainFrame::OnCompareWithFile);
}


bool CMainFrame::ExportTextTo(const QString& path) {
  // The image as Save would write it now.
  emit doc_.tableSyncing();
  const std::string text = ExportText(doc_.core().SavedForm());
  Status st = WriteFileSafely(path.toStdString(), text);
  if (!st) {
    ShowMessage(this, tr("Failed to export %1.\n%2").arg(QFileInfo(path).fileName(), QString::fromStdString(st.error())));
    return false;
  }
  return true;
}

bool CMainFrame::ImportTextFrom(const QString& path) {
  auto text = ReadTextImageFile(path.toStdString());
  std::vector<std::string> notes;
  auto imported = text ? ImportText(*text, &notes) : Result<RadioImage>(Error{text.error()});
  if (!imported) {
    ShowMessage(this, tr("Failed to import %1.\n%2")
                          .arg(QFileInfo(path).fileName(), QString::fromStdString(imported.error())));
    return false;
  }
  // A new, unsaved document holding the imported image; the table shows it
  // as it does after a dialog changed the image.
  NewDocument();
  ImageStep step(history(), tr("Import from text"));  // undone, the new document's image comes back
  image() = *imported;
  doc_.AfterChannelDialog();
  if (!notes.empty())
    ShowNotes(this, tr("Import from text"),
              tr("Some values of %1 were stored otherwise or not applied:").arg(QFileInfo(path).fileName()),
              notes);
  return true;
}

CompareDialog* CMainFrame::CompareWith(const QString& path) {
  // The file as dpmr-cli diff takes it: as File, Open shows it.
  auto other = LoadComparedFile(path.toStdString());
  if (!other) {
    ShowMessage(this, tr("Failed to compare with %1.\n%2")
                          .arg(QFileInfo(path).fileName(), QString::fromStdString(other.error())));
    return nullptr;
  }
  CompareDialog* dialog = CompareWithImage(other->side, QFileInfo(path).fileName());
  dialog->SetNotes(other->notes);
  return dialog;
}

CompareDialog* CMainFrame::CompareWithImage(const ComparedImage& other, const QString& title) {
  emit doc_.tableSyncing();
  auto* dialog = new CompareDialog({doc_.core().SavedForm()}, tr("This image"), other, title, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  return dialog;
}

void CMainFrame::OnExportText() {
  const QString path = ChooseFile(this, tr("Export as text"), kTextFilter, true);
  if (!path.isEmpty()) ExportTextTo(path);
}

void CMainFrame::OnImportText() {
  if (!MaybeSave()) return;
  const QString path = ChooseFile(this, tr("Import from text"), kTextFilter, false);
  if (!path.isEmpty()) ImportTextFrom(path);
}

void CMainFrame::OnCompareWithFile() {
  const QString path = ChooseFile(this, tr("Compare with file"), kCompareFilter, false);
  if (path.isEmpty()) return;
  if (CompareDialog* dialog = CompareWith(path)) dialog->exec();
}

}  // namespace cps
