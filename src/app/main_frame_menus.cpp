// The main window's menus: their actions and keys, the recent-file list, and the View menu's
// pixel grid with the choice the settings keep for each zoom.
#include "app/main_frame.h"

#include "app/about_box.h"
#include "app/qt_convert.h"
#include "document/editor_core.h"
#include "document/shown_path.h"
#include "res/frame_strings.h"
#include "res/string_table.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>

namespace pattik {

namespace {

// The settings key of the grid at a zoom.
QString PixelGridKey(int zoom) {
    return QStringLiteral("View/PixelGrid%1").arg(zoom);
}

} // namespace

void CMainFrame::LoadPixelGridSettings() {
    for (const int zoom : {4, 6, 10}) {
        core_->panel.SetPixelGrid(static_cast<float>(zoom),
                                  settings_.value(PixelGridKey(zoom), zoom != 4).toBool());
    }
}

void CMainFrame::ShowPixelGridState() {
    const CEditPanel& panel = core_->panel;
    const float zoom = panel.View().zoom;
    const bool hasGrid = panel.View().viewMode == ViewMode::Wear && zoom >= 4.0f;
    pixelGridAction_->setEnabled(hasGrid);
    pixelGridAction_->setChecked(hasGrid && panel.PixelGridShown(zoom));
}

void CMainFrame::SetPixelGrid(bool shown) {
    const float zoom = core_->panel.View().zoom;
    if (core_->panel.SetPixelGrid(zoom, shown)) {
        settings_.setValue(PixelGridKey(static_cast<int>(zoom)), shown);
    }
}

void CMainFrame::CreateActions() {
    const auto makeAction = [this](std::string_view text, std::string_view prompt) {
        auto* action = new QAction(ToQString(text), this);
        action->setStatusTip(ToQString(prompt));
        return action;
    };
    newAction_ = makeAction(kNewItemText, kNewPrompt);
    newAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newAction_, &QAction::triggered, this, &CMainFrame::OnFileNew);

    saveAction_ = makeAction(kSaveItemText, kSavePrompt);
    saveAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(saveAction_, &QAction::triggered, this, &CMainFrame::OnFileSave);

    saveAsAction_ = makeAction(kSaveAsItemText, kSaveAsPrompt);
    saveAsAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveAsAction_, &QAction::triggered, this, &CMainFrame::OnFileSaveAs);

    openAction_ = makeAction(kOpenItemText, kOpenPrompt);
    openAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(openAction_, &QAction::triggered, this, &CMainFrame::OnFileOpen);

    exitAction_ = makeAction(kExitItemText, kExitPrompt);
    connect(exitAction_, &QAction::triggered, this, &QWidget::close);

    stepBackAction_ = makeAction(kStepBackItemText, kStepBackPrompt);
    stepBackAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
    connect(stepBackAction_, &QAction::triggered, this, &CMainFrame::OnEditStepBack);

    stepForwardAction_ = makeAction(kStepForwardItemText, kStepForwardPrompt);
    stepForwardAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    connect(stepForwardAction_, &QAction::triggered, this, &CMainFrame::OnEditStepForward);

    // The window has no tool bar to show; the item stays, disabled, where users know it.
    toolBarAction_ = makeAction(kToolBarItemText, kToolBarPrompt);
    toolBarAction_->setEnabled(false);

    statusBarAction_ = makeAction(kStatusBarItemText, kStatusBarPrompt);
    statusBarAction_->setCheckable(true);
    statusBarAction_->setChecked(true);
    connect(statusBarAction_, &QAction::toggled, this,
            [this](bool shown) { statusBar()->setVisible(shown); });

    pixelGridAction_ = makeAction(kPixelGridItemText, kPixelGridPrompt);
    pixelGridAction_->setObjectName(QStringLiteral("pixelGrid"));
    pixelGridAction_->setCheckable(true);
    connect(pixelGridAction_, &QAction::triggered, this, &CMainFrame::SetPixelGrid);

    aboutAction_ = makeAction(kAboutItemText, kAboutPrompt);
    connect(aboutAction_, &QAction::triggered, this, [this] { ShowAboutBox(this); });

    for (QAction* action : {newAction_, openAction_, saveAction_, saveAsAction_, stepBackAction_,
                            stepForwardAction_}) {
        // The shortcuts work wherever the focus is in the window, an RGB edit included.
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu(ToQString(kFileMenuText));
    fileMenu_ = file;
    file->addAction(newAction_);
    file->addAction(saveAction_);
    file->addAction(saveAsAction_);
    file->addSeparator();
    // Opening items came later than New and Save, and sits below them.
    file->addAction(openAction_);
    recentMenu_ = file->addMenu(ToQString(kRecentMenuText));
    recentMenu_->menuAction()->setStatusTip(ToQString(kRecentPrompt));
    connect(recentMenu_, &QMenu::aboutToShow, this, &CMainFrame::FillRecentMenu);
    FillRecentMenu();
    file->addSeparator();
    file->addAction(exitAction_);

    QMenu* edit = menuBar()->addMenu(ToQString(kEditMenuText));
    editMenu_ = edit;
    edit->addAction(stepBackAction_);
    edit->addAction(stepForwardAction_);
    connect(edit, &QMenu::aboutToShow, this, [this] {
        stepBackAction_->setEnabled(core_->panel.CanStepBack());
        stepForwardAction_->setEnabled(core_->panel.CanStepForward());
    });
    // A disabled action's key does nothing, and the picture may change before the menu opens
    // again: the keys stay live, and the handlers check for themselves.
    connect(edit, &QMenu::aboutToHide, this, [this] {
        stepBackAction_->setEnabled(true);
        stepForwardAction_->setEnabled(true);
    });

    QMenu* view = menuBar()->addMenu(ToQString(kViewMenuText));
    viewMenu_ = view;
    view->addAction(toolBarAction_);
    view->addAction(statusBarAction_);
    view->addAction(pixelGridAction_);
    connect(view, &QMenu::aboutToShow, this, &CMainFrame::ShowPixelGridState);

    QMenu* help = menuBar()->addMenu(ToQString(kHelpMenuText));
    help->addAction(aboutAction_);
}

void CMainFrame::FillRecentMenu() {
    recentMenu_->clear();
    const QStringList entries = recentFiles_.Entries();
    if (entries.isEmpty()) {
        recentMenu_->addAction(ToQString(kNoRecentText))->setEnabled(false);
        return;
    }
    for (int i = 0; i < entries.size(); ++i) {
        const QString path = entries[i];
        // "&1 path": the digit is the entry's key; an ampersand in the path stays one.
        QString label = QStringLiteral("&%1 %2").arg(i + 1).arg(
            ToQString(ShownPath(ToStdString(path)))
                .replace(QStringLiteral("&"), QStringLiteral("&&")));
        QAction* action = recentMenu_->addAction(label);
        action->setStatusTip(ToQString(kRecentPrompt));
        connect(action, &QAction::triggered, this, [this, path] { OnOpenRecent(path); });
    }
}

} // namespace pattik
