#pragma once
#include <QMainWindow>
#include <QPointer>

#include "core/codec/frequency.h"
#include "gui/app/document.h"
#include "port/app_settings.h"

class QAction;
class QMenu;
class QToolBar;

namespace cps {

class ChannelForm;  // the central form with the channel table

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
  bool OpenDocument(const QString& path);          // shows the failure
  bool SaveDocument(const QString& path);          // write-back, atomic save
  bool Save();                                     // Save, or Save As for a new document
  // Asks "Save changes to <name>?" when the image differs from its clean
  // state. False when the user cancels.
  bool MaybeSave();

  // Adds "PMR Channel" to the Edit menu once.
  void AddPmrChannelItem();
  QAction* pmrChannelAction() const { return pmrChannelAction_; }
  QMenu* editMenu() const { return editMenu_; }

  // ---- channel table (main_window_channels.cpp) ----
  // The band the channel editors use now.
  BandLimits CurrentBand() const;

  // The common message box of the program: caption "Program", an "OK"
  // button (icon chosen by `icon`).
  static void ShowMessage(QWidget* parent, const QString& text, int icon = 2 /*warning*/);

 public slots:
  // File menu
  void OnFileNew();
  void OnFileOpen();
  void OnFileSave();
  void OnFileSaveAs();
  void OnFilePrint();         // main_window_channels.cpp
  void OnFilePrintPreview();  // main_window_channels.cpp
  void OnFilePrintSetup();    // main_window_channels.cpp
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
  // Setting menu
  void OnPortSetting();   // main_window_link.cpp
  // Help menu
  void OnAbout();
  // Main form buttons
  void OnChannelEdit();   // main_window_channels.cpp
  void OnFactoryLoad();   // main_window_channels.cpp
  // Hidden factory adjustment dialog
  void OnFactoryAdjust(); // main_window_factory.cpp
  // Ctrl+F11 / Ctrl+Shift+F11: the access code, then the hidden command
  void OnAccessCode();
  void OnFactoryAccessCode();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateMenus();
  void CreateToolBar();
  void CreateCentralForm();  // main_window_channels.cpp

  AppSettings settings_;
  CProgramDoc doc_;
  QMenu* editMenu_ = nullptr;
  QAction* pmrChannelAction_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  // ---- state of the areas (each area adds its own members below) ----
  ChannelForm* form_ = nullptr;  // owned by the window
};

}  // namespace cps
