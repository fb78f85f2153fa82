#pragma once

#include "app/document_flag.h"
#include "app/qt_dialogs.h"
#include "app/qt_document_environment.h"
#include "app/recent_files.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QMenu;
class QLabel;
class QSettings;

namespace pattik {

class CEditPanelWidget;
class CItemBarWidget;
class CToolPaletteWidget;
class EditCommands;
class EditorCore;
class FileDrops;
class PaletteFiles;
class FrameKeys;
class RecoveryKeeper;
class StatusReadouts;
class ToolKeys;

// The one main window: the item bar across the top, the tool palette and the editing panel
// side by side below it, the menus and the status bar. It owns the editing logic for the
// life of the program and wires the widgets to it; the widgets only translate events and
// show what the logic paints. The window has one size, 344 x 510, and cannot be resized.
class CMainFrame : public QMainWindow {
    Q_OBJECT

  public:
    explicit CMainFrame(QSettings& settings);
    ~CMainFrame() override;

    // Creates the panel and the palette, then sets up the bars as a new window shows them:
    // the Wear view, no item. False when the panel or the palette could not be created.
    bool OnCreate();
    // The document the program starts with: a new one, or the item or name a path gives.
    void StartDocument(const QString& path);

    // At start: offers the drawing an editor that ended left unsaved. True when it came back.
    bool OfferRecovery();

    // The menus' commands, as the menus and their keys run them.
    void OnFileNew();
    void OnFileSave();
    void OnFileSaveAs();
    // File, Open and an entry of the recent-file list: a saved item back into the pictures.
    void OnFileOpen();
    void OnOpenRecent(const QString& path);
    // One of an item's files dropped on the window: opened as File, Open opens it.
    void OpenDroppedItem(const QString& path);
    // Edit, Undo and Edit, Redo: the current picture one step through its history. Nothing
    // happens when there is nowhere to go (the keys work with the menu never opened).
    void OnEditStepBack();
    void OnEditStepForward();

    // The editing core the window shows and drives. The bars, panes and actions are found by
    // their object names.
    EditorCore& Core() { return *core_; }

  protected:
    // Menu items' prompts go to the lasting prompt pane.
    bool event(QEvent* event) override;
    // The close box and File, Exit ask about unsaved work first.
    void closeEvent(QCloseEvent* event) override;
    // A request to maximise (or fill the screen) is turned down: the window has one size.
    void changeEvent(QEvent* event) override;

  private:
    void CreateFrameKeys();
    void CreateBars();
    void CreateActions();
    void CreateMenus();
    void CreateStatusBar();
    // What this editor adds to the bars once they show: the save check, the pixel grid, the
    // status readouts and the tool keys.
    void CreateDrawingAids();
    // The picture's commands beyond the history (clipboard, flips, turns, colour replace,
    // symmetry), palette files, and the files dropped on the window.
    void CreateEditCommands();
    // A short text in the status bar's prompt pane, until the next prompt.
    void Say(const QString& text);
    // Lists the recent files afresh each time the submenu opens.
    void FillRecentMenu();
    // The View menu's pixel grid item: for the zoom in force, greyed out where there is none.
    void ShowPixelGridState();
    void SetPixelGrid(bool shown);
    // The grid as the user last left it at each zoom; on at 6 and 10 to begin with.
    void LoadPixelGridSettings();
    void ShowLockStates(bool capsLock, bool numLock);

    QSettings& settings_;
    RecentFiles recentFiles_;
    DocumentFlag flag_;
    QtDialogs dialogs_;
    QtDocumentEnvironment environment_;
    FrameKeys* keys_ = nullptr;

    CItemBarWidget* itemBarWidget_ = nullptr;
    CToolPaletteWidget* paletteWidget_ = nullptr;
    CEditPanelWidget* panelWidget_ = nullptr;
    std::unique_ptr<EditorCore> core_;

    QAction* newAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* saveAsAction_ = nullptr;
    QAction* openAction_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QAction* pixelGridAction_ = nullptr;
    StatusReadouts* readouts_ = nullptr;
    RecoveryKeeper* recovery_ = nullptr;
    ToolKeys* toolKeys_ = nullptr;
    EditCommands* editCommands_ = nullptr;
    FileDrops* drops_ = nullptr;
    PaletteFiles* paletteFiles_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* stepBackAction_ = nullptr;
    QAction* stepForwardAction_ = nullptr;
    QAction* toolBarAction_ = nullptr;
    QAction* statusBarAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    QLabel* promptPane_ = nullptr;
    QLabel* capsLockPane_ = nullptr;
    QLabel* numLockPane_ = nullptr;
    QLabel* scrollLockPane_ = nullptr;
};

} // namespace pattik
