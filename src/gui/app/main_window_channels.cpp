// SPDX-License-Identifier: GPL-3.0-or-later
// The channel table's side of the main window: the central form (a view of
// the document's table, which commits and refreshes at the document's
// moments), printing and the channel dialogs.
#include <QDate>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "core/channels/channel_table.h"
#include "gui/app/main_window.h"
#include "gui/app/undo_history.h"
#include "gui/channels/channel_edit_dialog.h"
#include "gui/channels/channel_form.h"
#include "gui/channels/channel_print.h"
#include "gui/channels/channel_table_view.h"
#include "gui/channels/pmr_channel_dialog.h"
#include "gui/widgets/core_text.h"

namespace cps {

namespace {

QString PrintedFileName(const CProgramDoc& doc) {
  return doc.path().isEmpty() ? doc.displayName() : QFileInfo(doc.path()).fileName();
}

}  // namespace

PrintSheet CMainFrame::SheetToPrint() {
  form_->view()->CommitOpenEditor();
  // The image as Save would write it; the document itself is not written
  // back.
  return BuildPrintSheet(doc_.core().SavedForm(), {settings_.modelName, PrintedFileName(doc_).toStdString(),
                                QDate::currentDate().toString(Qt::ISODate).toStdString()});
}

void CMainFrame::CreateCentralForm() {
  form_ = new ChannelForm(image(), doc_.table(), this);
  form_->setObjectName("channelForm");
  setCentralWidget(form_);
  connect(&doc_, &CProgramDoc::tableSyncing, form_->view(), &ChannelTableView::CommitOpenEditor);
  connect(&doc_, &CProgramDoc::tableLoaded, form_, &ChannelForm::Refresh);
  form_->Refresh();
  connect(form_, &ChannelForm::channelEditRequested, this, &CMainFrame::OnChannelEdit);
  connect(form_, &ChannelForm::factoryRequested, this, &CMainFrame::OnFactoryLoad);
}

BandLimits CMainFrame::CurrentBand() const { return form_ ? form_->band() : kBandUhf; }

void CMainFrame::OnFilePrint() {
  if (!form_) return;
  const PrintSheet sheet = SheetToPrint();
  QPrinter& printer = form_->printer();
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintRadioSheet(printer, sheet);
}

void CMainFrame::OnFilePrintPreview() {
  if (!form_) return;
  const PrintSheet sheet = SheetToPrint();
  QPrintPreviewDialog preview(&form_->printer(), this);
  preview.setObjectName("printPreview");
  preview.resize(900, 800);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [&sheet](QPrinter* printer) { PrintRadioSheet(*printer, sheet); });
  preview.exec();
}

void CMainFrame::OnFilePrintSetup() {
  if (!form_) return;
  QPageSetupDialog dialog(&form_->printer(), this);
  dialog.exec();
}

void CMainFrame::OnChannelEdit() {
  if (!form_) return;
  doc_.BeforeChannelDialog();
  const int channel = form_->CurrentChannel();
  const RadioImage before = image();
  // What closing the dialog untouched would leave.
  const RadioImage asShown = StoredAsShown(before, kMainChannelBase, CurrentBand(), channel);
  ChannelEditDialog dialog(image(), ChannelEditDialog::Variant::kMain, CurrentBand(), channel, this);
  {
    ImageStep step(history(), dialog.windowTitle());
    dialog.exec();
    // A close that only stored the values in the form shown says so.
    if (image() == asShown && !(image() == before)) history().RenameOpenStep(ChannelEditDialog::tr(kStoredAsShownStep));
    doc_.AfterChannelDialog();
  }
  form_->view()->setFocus();
}

void CMainFrame::OnFactoryLoad() {
  if (!form_) return;
  form_->view()->CommitOpenEditor();
  ImageStep step(history(), ChannelForm::tr(kFactoryButtonText));
  const std::string path = settings_.FactoryDatPath();
  Status st = doc_.LoadFactory(QString::fromStdString(path));
  if (!st) {
    // A missing file is the usual case; a file that is there but unreadable
    // or short gets its reason underneath.
    QString text = CoreText(kNoFactoryFileText);
    if (!path.empty()) text += "\n" + QString::fromStdString(st.error());
    ShowMessage(this, text);
  }
}

void CMainFrame::OnPmrChannel() {
  PmrChannelDialog dialog(image(), CurrentBand(), [this] { return settings_.FactoryDatPath(); }, this);
  dialog.setStepRunner(EditorSteps());
  dialog.setStepRenamer([this](const QString& name) { history().RenameOpenStep(name); });
  ImageStep step(history(), dialog.windowTitle());
  dialog.exec();
}

}  // namespace cps
