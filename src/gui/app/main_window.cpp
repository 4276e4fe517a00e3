// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/main_window.h"
#include "gui/app/language.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "app_version.h"
#include "gui/app/password_dialog.h"
#include "gui/widgets/notes_dialog.h"
#include "gui/app/undo_history.h"
#include "gui/channels/channel_form.h"
#include "gui/channels/channel_table_actions.h"
#include "gui/channels/channel_table_view.h"
#include "gui/widgets/fit_to_screen.h"

namespace cps {

void InitResources();  // resources.cpp

namespace {
constexpr const char* kFileFilter = QT_TRANSLATE_NOOP("cps::CMainFrame", "*.dat (*.dat);;All files (*)");
}

void CMainFrame::UpdateTitle() {
  const QString name = doc_.path().isEmpty() ? tr(kUntitledName) : QFileInfo(doc_.path()).fileName();
  //: %1 is the file name ("[*]" marks unsaved changes), %2 the radio model.
  setWindowTitle(tr("%1[*] — %2 Software").arg(name, QString::fromStdString(settings_.modelName)));
  setWindowModified(doc_.core().Modified());
}

void CMainFrame::SetUpTableActions() {
  tableActions_ = new ChannelTableActions(form_->view(), tr("Channel"), this);
  tableActions_->setEditHandler([this] { OnChannelEdit(); });
  QAction* first = findChild<QAction*>("actionScanInfo");
  tableActions_->AddTo(editMenu_, first);
  editMenu_->insertSeparator(first);
  connect(form_->view()->itemModel(), &ChannelTableItemModel::notice, this,
          [this](const QString& text) { statusBar()->showMessage(text, kStatusTimeout); });
}

CMainFrame::CMainFrame(AppSettings settings, QWidget* parent)
    : QMainWindow(parent), settings_(std::move(settings)), doc_(this) {
  InitResources();
  InstallDialogFitter(qApp);
  setWindowIcon(QIcon(":/icons/app.svg"));
  doc_.setUntitledName(QString::fromStdString(settings_.modelName));
  CreateMenus();
  CreateToolBar();
  statusBar()->showMessage(tr("Ready"));
  CreateCentralForm();
  SetUpHistory();
  SetUpTableActions();
  connect(&doc_, &CProgramDoc::replaced, this, &CMainFrame::UpdateTitle);
  connect(history_, &UndoHistory::changed, this, &CMainFrame::UpdateTitle);
  UpdateTitle();

  auto* access = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F11), this);
  connect(access, &QShortcut::activated, this, &CMainFrame::OnAccessCode);
  auto* factory = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F11), this);
  connect(factory, &QShortcut::activated, this, &CMainFrame::OnFactoryAccessCode);

  {
    // The frame fits the channel form, and the screen with its title bar.
    const QRect area = FitArea(this);
    const QSize fit = sizeHint();
    resize(std::min(area.width(), fit.width()), std::min(area.height(), fit.height()));
  }
  InitDesktop();  // the place of the last run, recent files, drops
}

CMainFrame::~CMainFrame() {
  // A cell editor still open would commit when the window's widget part
  // hides it, after the document and the history are gone: commit it now,
  // while both are alive.
  if (form_) {
    form_->view()->CommitOpenEditor();
    form_->setStepRunner({});
  }
}

void CMainFrame::CreateMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  auto add = [this](QMenu* menu, const QString& text, auto slot, const QKeySequence& keys = {}) {
    QAction* a = menu->addAction(text);
    if (!keys.isEmpty()) a->setShortcut(keys);
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  add(file, tr("&New"), &CMainFrame::OnFileNew, QKeySequence(Qt::CTRL | Qt::Key_N))->setObjectName("actionNew");
  add(file, tr("&Open..."), &CMainFrame::OnFileOpen, QKeySequence(Qt::CTRL | Qt::Key_O))->setObjectName("actionOpen");
  add(file, tr("&Save"), &CMainFrame::OnFileSave, QKeySequence(Qt::CTRL | Qt::Key_S))->setObjectName("actionSave");
  add(file, tr("Save &As..."), &CMainFrame::OnFileSaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S))->setObjectName("actionSaveAs");
  QAction* printGroup = file->addSeparator();
  AddTextItems(file, printGroup);
  AddInteropMenuItems(file, printGroup);
  // The menu shows Ctrl+P, but no key is assigned to Print.
  QAction* print = add(file, tr("&Print...\tCtrl+P"), &CMainFrame::OnFilePrint);
  print->setObjectName("actionPrint");
  add(file, tr("Print Pre&view"), &CMainFrame::OnFilePrintPreview)->setObjectName("actionPrintPreview");
  add(file, tr("P&rint Setup..."), &CMainFrame::OnFilePrintSetup)->setObjectName("actionPrintSetup");
  file->addSeparator();
  add(file, tr("E&xit"), &QWidget::close, QKeySequence(Qt::CTRL | Qt::Key_Q))->setObjectName("actionExit");

  editMenu_ = menuBar()->addMenu(tr("&Edit"));
  add(editMenu_, tr("Scan Info"), &CMainFrame::OnScanInfo)->setObjectName("actionScanInfo");
  add(editMenu_, tr("Basic setting"), &CMainFrame::OnBasicSetting)->setObjectName("actionBasicSetting");
  add(editMenu_, tr("Alarm"), &CMainFrame::OnAlarm)->setObjectName("actionAlarm");
  add(editMenu_, tr("DTMF"), &CMainFrame::OnDtmf)->setObjectName("actionDtmf");
  add(editMenu_, tr("dPMR"), &CMainFrame::OnDpmr)->setObjectName("actionDpmr");

  QMenu* program = menuBar()->addMenu(tr("&Program"));
  QAction* read = add(program, tr("&Read"), &CMainFrame::OnRead, QKeySequence(Qt::CTRL | Qt::Key_R));
  read->setObjectName("actionRead");
  read->setStatusTip(tr("Read Data From Radio"));
  read->setToolTip(tr("Read"));
  QAction* write = add(program, tr("&Write"), &CMainFrame::OnWrite, QKeySequence(Qt::CTRL | Qt::Key_W));
  write->setObjectName("actionWrite");
  write->setStatusTip(tr("Write Data to Radio "));
  write->setToolTip(tr("Write"));
  AddLinkMenuItems(program);

  QMenu* view = menuBar()->addMenu(tr("&View"));
  QAction* toolbarToggle = view->addAction(tr("&Toolbar"));
  toolbarToggle->setObjectName("actionToolbar");
  toolbarToggle->setCheckable(true);
  toolbarToggle->setChecked(true);
  QAction* statusToggle = view->addAction(tr("&Status Bar"));
  statusToggle->setObjectName("actionStatusBar");
  statusToggle->setCheckable(true);
  statusToggle->setChecked(true);
  connect(toolbarToggle, &QAction::toggled, this, [this](bool on) { if (toolBar_) toolBar_->setVisible(on); });
  connect(statusToggle, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
  AddLanguageMenu(view, this);  // language.cpp

  QMenu* setting = menuBar()->addMenu(tr("&Setting"));
  add(setting, tr("Port"), &CMainFrame::OnPortSetting)->setObjectName("actionPort");

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  add(help, tr("&User guide"), &CMainFrame::OnUserGuide, QKeySequence(Qt::Key_F1))->setObjectName("actionUserGuide");
  add(help, tr("&About ..."), &CMainFrame::OnAbout)->setObjectName("actionAbout");
}

void CMainFrame::CreateToolBar() {
  toolBar_ = addToolBar(tr("Toolbar"));
  toolBar_->setObjectName("mainToolBar");
  toolBar_->setIconSize(QSize(16, 16));
  auto find = [this](const char* name) { return findChild<QAction*>(name); };
  // Drawn as SVG, so that they stay sharp at any scale.
  auto icon = [](const char* res, QStyle::StandardPixmap fallback) {
    QIcon i(res);
    return i.pixmap(16, 16).isNull() ? qApp->style()->standardIcon(fallback) : i;
  };
  find("actionNew")->setIcon(icon(":/icons/new.svg", QStyle::SP_FileIcon));
  find("actionOpen")->setIcon(icon(":/icons/open.svg", QStyle::SP_DialogOpenButton));
  find("actionSave")->setIcon(icon(":/icons/save.svg", QStyle::SP_DialogSaveButton));
  find("actionRead")->setIcon(icon(":/icons/read.svg", QStyle::SP_ArrowDown));
  find("actionWrite")->setIcon(icon(":/icons/write.svg", QStyle::SP_ArrowUp));
  find("actionAbout")->setIcon(icon(":/icons/about.svg", QStyle::SP_MessageBoxQuestion));
  // Fly-by prompts in the status bar.
  const std::pair<const char*, const char*> prompts[] = {
      {"actionNew", QT_TR_NOOP("Create a new document")},
      {"actionOpen", QT_TR_NOOP("Open an existing document")},
      {"actionSave", QT_TR_NOOP("Save the active document")},
      {"actionSaveAs", QT_TR_NOOP("Save the active document with a new name")},
      {"actionPrint", QT_TR_NOOP("Print the active document")},
      {"actionPrintPreview", QT_TR_NOOP("Display full pages")},
      {"actionPrintSetup", QT_TR_NOOP("Change the printer and printing options")},
      {"actionExit", QT_TR_NOOP("Quit the application; prompts to save documents")},
      {"actionAbout", QT_TR_NOOP("Display program information, version number and copyright")},
      {"actionUserGuide", QT_TR_NOOP("Open the user guide")},
      {"actionToolbar", QT_TR_NOOP("Show or hide the toolbar")},
      {"actionStatusBar", QT_TR_NOOP("Show or hide the status bar")},
  };
  for (const auto& [name, prompt] : prompts)
    if (QAction* a = find(name)) a->setStatusTip(tr(prompt));
  find("actionNew")->setToolTip(tr("New"));
  find("actionOpen")->setToolTip(tr("Open"));
  find("actionSave")->setToolTip(tr("Save"));
  find("actionAbout")->setToolTip(tr("About"));
  toolBar_->addAction(find("actionNew"));
  toolBar_->addAction(find("actionOpen"));
  toolBar_->addAction(find("actionSave"));
  toolBar_->addSeparator();
  toolBar_->addAction(find("actionRead"));
  toolBar_->addAction(find("actionWrite"));
  toolBar_->addSeparator();
  toolBar_->addAction(find("actionAbout"));
  // Hidden or shown from the toolbar's own context menu: the View item
  // follows.
  connect(toolBar_->toggleViewAction(), &QAction::toggled, find("actionToolbar"), &QAction::setChecked);
}

void CMainFrame::ShowMessage(QWidget* parent, const QString& text, int icon) {
  QMessageBox box(static_cast<QMessageBox::Icon>(icon), tr("Program"), text, QMessageBox::Ok, parent);
  box.exec();
}

// ---- documents ----------------------------------------------------------

void CMainFrame::NewDocument() {
  doc_.New(QString::fromStdString(settings_.DefaultDatPath()), CurrentBand());
}

bool CMainFrame::OpenDocument(const QString& path, bool remember) {
  std::vector<std::string> notes;
  Status st = doc_.Open(path, &notes);
  if (!st) {
    ShowMessage(this, tr("Failed to open document.\n%1").arg(QString::fromStdString(st.error())));
    return false;
  }
  if (remember) NoteRecentFile(path);
  // a file longer than an image: opened as a copy, Save asks for a name
  ShowNotes(this, tr("Open"), tr("The file was opened as a new document; Save asks for a name."), notes);
  UpdateTitle();
  statusBar()->showMessage(tr("Opened %1").arg(QDir::toNativeSeparators(path)), kStatusTimeout);
  return true;
}

bool CMainFrame::SaveDocument(const QString& path) {
  Status st = doc_.SaveAs(path);
  if (!st) {
    ShowMessage(this, tr("Failed to save document %1.\n%2")
                          .arg(QFileInfo(path).fileName(), QString::fromStdString(st.error())));
    return false;
  }
  NoteRecentFile(path);
  UpdateTitle();
  statusBar()->showMessage(tr("Saved %1").arg(QDir::toNativeSeparators(path)), kStatusTimeout);
  return true;
}

bool CMainFrame::Save() {
  if (doc_.path().isEmpty()) {
    QFileDialog dlg(this, tr("Save As"), QDir(DialogFolder()).filePath(QString::fromStdString(settings_.modelName) + ".dat"),
                    tr(kFileFilter));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix("dat");
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
    return SaveDocument(dlg.selectedFiles().first());
  }
  return SaveDocument(doc_.path());
}

bool CMainFrame::MaybeSave() {
  if (!doc_.Modified()) return true;
  QMessageBox box(QMessageBox::Warning, tr("Program"), tr("Save changes to %1?").arg(doc_.displayName()),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save: return Save();
    case QMessageBox::Discard: return true;
    default: return false;
  }
}

void CMainFrame::OnFileNew() {
  if (!MaybeSave()) return;
  NewDocument();
}

void CMainFrame::OnFileOpen() {
  // Re-opening the file that is already open reads it again from disk, so
  // the question about unsaved changes comes first in every case.
  if (!MaybeSave()) return;
  QFileDialog dlg(this, tr("Open"), DialogFolder(), tr(kFileFilter));
  dlg.setAcceptMode(QFileDialog::AcceptOpen);
  dlg.setFileMode(QFileDialog::ExistingFile);
  dlg.setDefaultSuffix("dat");
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
  OpenDocument(dlg.selectedFiles().first());
}

void CMainFrame::OnFileSave() { Save(); }

void CMainFrame::OnFileSaveAs() {
  const QString proposed = doc_.path().isEmpty()
                               ? QDir(DialogFolder()).filePath(QString::fromStdString(settings_.modelName) + ".dat")
                               : doc_.path();
  QFileDialog dlg(this, tr("Save As"), proposed, tr(kFileFilter));
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix("dat");
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
  SaveDocument(dlg.selectedFiles().first());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!MaybeSave()) {
    event->ignore();
    return;
  }
  settings_.SavePort();
  SaveDesktopState();
  event->accept();
}

// ---- access codes --------------------------------------------------------

void CMainFrame::AddPmrChannelItem() {
  if (pmrChannelAction_) return;
  pmrChannelAction_ = editMenu_->addAction(tr("PMR Channel"));
  pmrChannelAction_->setObjectName("actionPmrChannel");
  connect(pmrChannelAction_, &QAction::triggered, this, &CMainFrame::OnPmrChannel);
}

void CMainFrame::OnAccessCode() {
  CPasswordDlg dlg(this);
  if (dlg.exec() == QDialog::Accepted) AddPmrChannelItem();
}

void CMainFrame::OnFactoryAccessCode() {
  CPasswordDlg dlg(this);
  if (dlg.exec() == QDialog::Accepted) OnFactoryAdjust();
}

}  // namespace cps
