// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QMainWindow>
#include <QPointer>

#include "core/codec/frequency.h"
#include "core/link/serial_port.h"
#include "core/print/print_sheet.h"
#include "gui/app/document.h"
#include "gui/widgets/step_runner.h"
#include "port/app_settings.h"

class QAction;
class QMenu;
class QMimeData;
class QToolBar;

namespace cps {

class CompareDialog;
class ChannelTableActions;
struct ComparedImage;

class ChannelForm;  // the central form with the channel table
class UndoHistory;
struct ChannelTemplate;

// The main frame: menus, toolbar, status bar and the routing of every
// command to the editor that does the work. The handlers of each area live
// in their own file (main_window_<area>.cpp).
class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  explicit CMainFrame(AppSettings settings, QWidget* parent = nullptr);
  ~CMainFrame() override;

  CProgramDoc& doc() { return doc_; }
  AppSettings& settings() { return settings_; }
  RadioImage& image() { return doc_.image(); }

  // File operations without their dialogs (the menu commands add them).
  void NewDocument();
  // Shows the failure; a remembered file also goes on the recent files and
  // its folder becomes the one the file dialogs start in.
  bool OpenDocument(const QString& path, bool remember = true);
  bool SaveDocument(const QString& path);          // write-back, atomic save
  bool Save();                                     // Save, or Save As for a new document
  // Asks "Save changes to <name>?" when the image differs from its clean
  // state. False when the user cancels.
  bool MaybeSave();

  // Adds "PMR Channel" to the Edit menu once.
  void AddPmrChannelItem();
  QAction* pmrChannelAction() const { return pmrChannelAction_; }
  QMenu* editMenu() const { return editMenu_; }
  ChannelTableActions* tableActions() const { return tableActions_; }

  // ---- channel table (main_window_channels.cpp) ----
  // The band the channel editors use now.
  BandLimits CurrentBand() const;

  // ---- undo and redo (main_window_history.cpp) ----
  UndoHistory& history() { return *history_; }
  QAction* undoAction() const { return undoAction_; }
  QAction* redoAction() const { return redoAction_; }
  // Makes each change an editor hands over one step of the history.
  StepRunner EditorSteps();

  // ---- the image as text (main_window_text.cpp) ----
  // Without their file dialogs; failures are shown.
  bool ExportTextTo(const QString& path);
  // Replaces the image as one step with a new, unsaved document.
  bool ImportTextFrom(const QString& path);
  // The comparison of the image with a .dat or .yaml file, not yet shown,
  // with the notes on how the file is taken.
  CompareDialog* CompareWith(const QString& path);
  // The comparison of the image as Save would write it ("This image") with
  // `other`, titled `title`, not yet shown.
  CompareDialog* CompareWithImage(const ComparedImage& other, const QString& title);

  // ---- channel lists (main_window_interop.cpp) ----
  // Reads a CHIRP CSV file, shows the import preview and, on OK, puts the
  // rows into the channel table. False when nothing was imported.
  bool ImportChannelsFrom(const QString& path);
  // Writes every channel in use as a CHIRP CSV file; shows a failure.
  bool ExportChannelsTo(const QString& path);
  // File, New, then the template's channels (a template of the other band
  // asks the band question first). False when the user cancels.
  bool NewFromTemplate(const ChannelTemplate& t);
  // Writes the channel table and the PMR channels as template `name` to `path`.
  bool SaveChannelsAsTemplate(const QString& name, const QString& path);

  // ---- desktop (main_window_desk.cpp) ----
  // Opens `path` the way File, Open does once its dialog is done: the
  // unsaved-changes question first. Recent files and dropped files go here.
  bool OpenPath(const QString& path);
  // A "Recent files" entry: a file that is gone is taken off the list with
  // a message; any other goes through OpenPath.
  void OpenRecentFile(const QString& path);
  // The recent files, newest first, as the submenu lists them.
  QStringList recentFiles() const;
  QMenu* recentMenu() const { return recentMenu_; }
  // The folder the file dialogs start in: the last one a file was opened
  // from or saved to, or chosen in a file dialog.
  QString DialogFolder() const;
  void RememberDialogFolder(const QString& file);

  // The common message box of the program: caption "Program", an "OK"
  // button (icon chosen by `icon`).
  static void ShowMessage(QWidget* parent, const QString& text, int icon = 2 /*warning*/);

  // What Print and Print Preview put on paper now (main_window_channels.cpp).
  PrintSheet SheetToPrint();

 public slots:
  // File menu
  void OnFileNew();
  void OnFileOpen();
  void OnFileSave();
  void OnFileSaveAs();
  void OnFilePrint();         // main_window_channels.cpp
  void OnFilePrintPreview();  // main_window_channels.cpp
  void OnFilePrintSetup();    // main_window_channels.cpp
  void OnExportText();        // main_window_text.cpp
  void OnImportText();        // main_window_text.cpp
  void OnCompareWithFile();   // main_window_text.cpp
  void OnImportChannels();    // main_window_interop.cpp
  void OnExportChannels();    // main_window_interop.cpp
  void OnNewFromTemplate();   // main_window_interop.cpp
  void OnSaveChannelsAsTemplate();  // main_window_interop.cpp
  // Edit menu
  void OnScanInfo();      // main_window_settings.cpp
  void OnBasicSetting();  // main_window_settings.cpp
  void OnAlarm();         // main_window_settings.cpp
  void OnDtmf();          // main_window_settings.cpp
  void OnDpmr();          // main_window_dpmr.cpp
  void OnPmrChannel();    // main_window_channels.cpp
  // Program menu
  void OnRead();          // main_window_link.cpp
  void OnWrite();         // main_window_link.cpp
  void OnBackups();       // main_window_link.cpp
  void OnWriteSeveral();  // main_window_link.cpp
  void OnCheckImage();    // main_window_link.cpp
  void OnCompareWithRadio();  // main_window_link.cpp
  // Setting menu
  void OnPortSetting();   // main_window_link.cpp
  // Help menu (main_window_help.cpp)
  void OnUserGuide();
  void OnAbout();
  // Main form buttons
  void OnChannelEdit();   // main_window_channels.cpp
  void OnFactoryLoad();   // main_window_channels.cpp
  // Hidden factory adjustment dialog
  void OnFactoryAdjust(); // main_window_factory.cpp
  // Ctrl+F11 / Ctrl+Shift+F11: the access code, then the hidden command
  void OnAccessCode();
  void OnFactoryAccessCode();
  // Edit, Undo / Redo
  void OnUndo();  // main_window_history.cpp
  void OnRedo();  // main_window_history.cpp

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;  // main_window_desk.cpp
  void dragMoveEvent(QDragMoveEvent* event) override;    // main_window_desk.cpp
  void dropEvent(QDropEvent* event) override;            // main_window_desk.cpp

 private:
  void CreateMenus();
  void CreateToolBar();
  // "<file name>[*] — <model> Software", marked while unsaved.
  void UpdateTitle();
  // Cut, Copy, Paste, Delete, Select All, Edit..., Bulk edit... of the
  // channel table, in the Edit menu and the table's context menu.
  void SetUpTableActions();
  void CreateCentralForm();  // main_window_channels.cpp
  // Undo and Redo: actions at the top of Edit and on the toolbar, the
  // history over the image, the editors' steps (main_window_history.cpp).
  void SetUpHistory();
  void UpdateUndoActions();
  void AfterRestore(const QString& text);

  // ---- radio link (main_window_link.cpp) ----
  // The Program menu's items after Read and Write.
  void AddLinkMenuItems(QMenu* program);
  // Keeps an image read from the radio in the backups folder; a warning
  // when it cannot.
  void KeepBackup(const RadioImage& read, const std::string& port);
  // OpenRadioPort, traced into the traces folder when "Log serial traffic"
  // is on.
  PortOpener LinkOpener(const std::string& traceName);
  // "Verify after write" changed: kept in Program.ini at once.
  void RememberVerify(bool on);
  // The check of the image a Write sends: false when the user cancels.
  bool CheckBeforeWrite(const RadioImage& sent);
  // Shows the field of a check finding's key.
  void ShowFieldOfKey(const std::string& key);
  // The three text items, placed before `before` (main_window_text.cpp).
  void AddTextItems(QMenu* file, QAction* before);
  // The channel list and template items, placed before `before`.
  void AddInteropMenuItems(QMenu* file, QAction* before);  // main_window_interop.cpp

  // main_window_desk.cpp: the recent-files submenu and the window place,
  // set up at creation and kept at close; a file opened or saved goes to
  // the front of the recent files.
  void InitDesktop();
  void SaveDesktopState();
  void NoteRecentFile(const QString& path);
  void RebuildRecentMenu();

  AppSettings settings_;
  CProgramDoc doc_;
  QMenu* editMenu_ = nullptr;
  QAction* pmrChannelAction_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  // ---- state of the areas (each area adds its own members below) ----
  ChannelForm* form_ = nullptr;  // owned by the window
  UndoHistory* history_ = nullptr;
  QAction* undoAction_ = nullptr;
  QAction* redoAction_ = nullptr;
  bool modalBlocked_ = false;  // a modal dialog (or a transfer) is open
  QMenu* recentMenu_ = nullptr;  // File, "Recent files"
  ChannelTableActions* tableActions_ = nullptr;
};

// The title's name for a document that has no file yet.
inline constexpr const char* kUntitledName = QT_TRANSLATE_NOOP("cps::CMainFrame", "Untitled");
// How long a status message after a command stays (ms).
inline constexpr int kStatusTimeout = 10000;

// The image file of a drop: exactly one local file whose name ends in
// ".dat" (any case); empty for anything else.
QString DroppedImagePath(const QMimeData* mime);
// Why a drop with files opens nothing (several files, a CSV file, another
// kind of file); empty for one image file or no files at all.
QString DropRefusal(const QMimeData* mime);

}  // namespace cps
