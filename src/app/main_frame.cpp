#include "app/main_frame.h"

#include "app/edit_commands.h"
#include "app/file_drops.h"
#include "app/frame_keys.h"
#include "app/item_bar_widget.h"
#include "app/palette_files.h"
#include "app/palette_widget.h"
#include "app/panel_widget.h"
#include "app/qt_convert.h"
#include "app/recovery_keeper.h"
#include "app/status_readouts.h"
#include "app/tool_keys.h"
#include "app/window_layout.h"
#include "document/editor_core.h"
#include "document/recovery_offer.h"
#include "panel/panel_geometry.h"
#include "res/frame_strings.h"
#include "res/string_table.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolTip>
#include <QWindow>

namespace pattik {
namespace {

// Focus changes are traced here and touch no setting of the system; off unless asked for
// with QT_LOGGING_RULES="pattik.focus.debug=true".
Q_LOGGING_CATEGORY(lcFocus, "pattik.focus", QtWarningMsg)

// The area under the menu: the item bar across the top, then the palette and the panel
// side by side, down to the status bar.
class BarArea : public QWidget {
  public:
    BarArea(QWidget* parent, QWidget* itemBar, QWidget* palette, QWidget* panel)
        : QWidget(parent), itemBar_(itemBar), palette_(palette), panel_(panel) {}

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        const int below = std::max(height() - layout::kItemBarHeight, 0);
        itemBar_->setGeometry(0, 0, width(), layout::kItemBarHeight);
        palette_->setGeometry(0, layout::kItemBarHeight, layout::kPaletteSize.width(), below);
        panel_->setGeometry(layout::kPaletteSize.width(), layout::kItemBarHeight,
                            std::max(width() - layout::kPaletteSize.width(), 0), below);
    }

  private:
    QWidget* itemBar_;
    QWidget* palette_;
    QWidget* panel_;
};

// How long a status text shows in full above the status bar.
constexpr int kSayingShownMs = 4000;

void PaintWithBarColour(QWidget* bar) {
    QPalette colours = bar->palette();
    colours.setColor(QPalette::Window, ToQColor(layout::kBarColour));
    bar->setPalette(colours);
    bar->setAutoFillBackground(true);
}

} // namespace

CMainFrame::CMainFrame(QSettings& settings)
    : settings_(settings), recentFiles_(settings),
      environment_(recentFiles_, [this](const QString& title) {
          // "[*]" is where Qt marks unsaved changes, as the flag says.
          setWindowTitle(title + QStringLiteral("[*] - ") + ToQString(kApplicationName));
      }) {
    setWindowTitle(ToQString(kApplicationName));
    flag_.OnChange([this](bool modified) {
        setWindowModified(modified);
        if (recovery_ != nullptr) {
            recovery_->NoteModified(modified);
        }
    });
    // A window of one size: no maximise button, and the size cannot be dragged.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    dialogs_.SetOwner(this);
    environment_.SetOwner(this);
    CreateFrameKeys();
    CreateBars();
    CreateActions();
    CreateMenus();
    CreateStatusBar();
    setFixedSize(layout::kWindowSize);
}

CMainFrame::~CMainFrame() {
    // The widgets outlive this body (Qt deletes them with the window), the logic does not:
    // cut them loose first.
    panelWidget_->Detach();
    paletteWidget_->Detach();
    itemBarWidget_->Detach();
    // Whatever record is on its way is written before the core it was taken from goes.
    delete recovery_;
    recovery_ = nullptr;
}

bool CMainFrame::OfferRecovery() {
    return pattik::OfferRecovery(recovery_->Store(), core_->document, dialogs_);
}

void CMainFrame::CreateFrameKeys() {
    keys_ = new FrameKeys(
        FrameKeys::Commands{
            .escape = [this] { core_->tools.OnEscape(); },
            .flipGender = [this] { core_->itemBar.FlipGender(); },
            .deleteSelection = [this] { core_->tools.OnDelete(); },
            .undo = [this] { core_->tools.OnUndo(); },
            .stepBack = [this] { OnEditStepBack(); },
            .stepForward = [this] { OnEditStepForward(); },
            .shortcut =
                [this](const QKeySequence& keys) { return TriggerWindowShortcut(*this, keys); },
            .lockStates = [this](bool caps, bool num) { ShowLockStates(caps, num); },
        },
        this);
    keys_->setObjectName(QStringLiteral("frameKeys"));
    // The window's own QWindow receives each key once, before the widget with the focus.
    winId();
    windowHandle()->installEventFilter(keys_);
}

void CMainFrame::CreateBars() {
    itemBarWidget_ = new CItemBarWidget(nullptr);
    itemBarWidget_->setObjectName(QStringLiteral("itemBar"));
    paletteWidget_ = new CToolPaletteWidget(nullptr);
    paletteWidget_->setObjectName(QStringLiteral("toolPalette"));
    panelWidget_ = new CEditPanelWidget(*keys_, nullptr);
    panelWidget_->setObjectName(QStringLiteral("editPanel"));
    auto* area = new BarArea(this, itemBarWidget_, paletteWidget_, panelWidget_);
    for (QWidget* bar :
         {static_cast<QWidget*>(itemBarWidget_), static_cast<QWidget*>(paletteWidget_),
          static_cast<QWidget*>(panelWidget_)}) {
        bar->setParent(area);
        PaintWithBarColour(bar);
    }
    setCentralWidget(area);

    // Each seam is hosted by its owner: the panel's widget its repaints, controls and
    // pointer, the bars' widgets their buttons and boxes, this window the rest.
    core_ = std::make_unique<EditorCore>(EditorHosts{
        .view = *panelWidget_,
        .controls = *panelWidget_,
        .pointer = *panelWidget_,
        .dialogs = dialogs_,
        .flag = flag_,
        .palette = *paletteWidget_,
        .itemBar = *itemBarWidget_,
        .environment = environment_,
    });
}

bool CMainFrame::OnCreate() {
    if (!core_->Create()) {
        return false;
    }
    panelWidget_->Attach(core_->panel, core_->tools);
    paletteWidget_->Attach(core_->palette);
    itemBarWidget_->Attach(core_->itemBar);
    core_->SetUpBars();
    CreateDrawingAids();
    return true;
}

void CMainFrame::CreateDrawingAids() {
    core_->document.SetSaveCheck(true);
    LoadPixelGridSettings();
    readouts_ = new StatusReadouts(core_->panel, *statusBar());
    recovery_ = new RecoveryKeeper(*core_, RecoveryFolder(), this);
    panelWidget_->SetRepaintListener([this] {
        readouts_->PanelChanged();
        recovery_->NoteChange();
    });
    panelWidget_->SetPointerListener(
        [this](std::optional<QPoint> client) { readouts_->PointerAt(client); });
    toolKeys_ = new ToolKeys(
        *this, *paletteWidget_, [this](int buttonId) { core_->palette.OnToolButton(buttonId); },
        [this] { return !core_->tools.InStroke(); });
    CreateEditCommands();
}

void CMainFrame::CreateEditCommands() {
    editCommands_ = new EditCommands(*this, *core_, [this](const QString& text) { Say(text); });
    editCommands_->AddToEditMenu(*editMenu_);
    editCommands_->AddToViewMenu(*viewMenu_);
    paletteFiles_ = new PaletteFiles(*this, core_->palette, settings_,
                                     [this](const QString& text) { Say(text); });
    paletteFiles_->AddToFileMenu(*fileMenu_, exitAction_);
    paletteFiles_->LoadSwatchSettings();
    drops_ = new FileDrops(
        *this,
        FileDrops::Targets{
            .openItem = [this](const QString& path) { OpenDroppedItem(path); },
            .onCanvas =
                [this](QPoint windowPoint) {
                    const QPoint client = panelWidget_->mapFrom(this, windowPoint);
                    return Contains(PanelGeometry::CanvasFrame(core_->panel.CurrentImageSize()),
                                    client.x(), client.y());
                },
            .paste = [this](const QImage& image) { editCommands_->PasteImage(image); },
        });
}

void CMainFrame::Say(const QString& text) {
    promptPane_->setText(text);
    promptPane_->setToolTip(text);
    // The window is narrow and the readouts take most of the status bar: the whole text also
    // shows for a moment just above it.
    QToolTip::showText(promptPane_->mapToGlobal(QPoint(0, -promptPane_->height() - 4)), text,
                       promptPane_, QRect(), kSayingShownMs);
}

void CMainFrame::StartDocument(const QString& path) {
    core_->document.OnStartDocument(
        path.isEmpty() ? std::string() : ToStdString(QFileInfo(path).absoluteFilePath()));
}

void CMainFrame::CreateStatusBar() {
    statusBar()->setSizeGripEnabled(false);
    // A label, not a status message: a message would be cleared by the first menu opened.
    promptPane_ = new QLabel(ToQString(kIdlePrompt), this);
    promptPane_->setObjectName(QStringLiteral("prompt"));
    statusBar()->addWidget(promptPane_, 1);
    const auto makePane = [this](std::string_view text) {
        auto* pane = new QLabel(this);
        pane->setMinimumWidth(fontMetrics().horizontalAdvance(ToQString(text)) + 8);
        pane->setAlignment(Qt::AlignCenter);
        statusBar()->addPermanentWidget(pane);
        return pane;
    };
    capsLockPane_ = makePane(kCapsLockPane);
    numLockPane_ = makePane(kNumLockPane);
    scrollLockPane_ = makePane(kScrollLockPane);
}

void CMainFrame::ShowLockStates(bool capsLock, bool numLock) {
    capsLockPane_->setText(capsLock ? ToQString(kCapsLockPane) : QString());
    numLockPane_->setText(numLock ? ToQString(kNumLockPane) : QString());
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        promptPane_->setText(tip.isEmpty() ? ToQString(kIdlePrompt) : tip.section(u'\n', 0, 0));
        promptPane_->setToolTip(promptPane_->text()); // the whole of what the pane cuts off
        return true;
    }
    if (event->type() == QEvent::WindowDeactivate) {
        keys_->ForgetHeldKeys();
    }
    return QMainWindow::event(event);
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
        qCDebug(lcFocus) << (isActiveWindow() ? "Beep false" : "Beep true");
    }
    constexpr Qt::WindowStates kLarger = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (event->type() == QEvent::WindowStateChange && (windowState() & kLarger) != 0) {
        setWindowState(windowState() & ~kLarger);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (core_->document.SaveModified()) {
        recovery_->ClearForExit();
        paletteFiles_->StoreSwatchSettings();
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainFrame::OnFileNew() {
    core_->document.OnFileNew();
}

void CMainFrame::OnFileOpen() {
    core_->document.OnFileOpen();
}

void CMainFrame::OpenDroppedItem(const QString& path) {
    core_->document.OpenItem(ToStdString(QFileInfo(path).absoluteFilePath()));
}

void CMainFrame::OnOpenRecent(const QString& path) {
    core_->document.OpenRecent(ToStdString(path));
}

void CMainFrame::OnFileSave() {
    core_->document.OnFileSave();
}

void CMainFrame::OnFileSaveAs() {
    core_->document.OnFileSaveAs();
}

void CMainFrame::OnEditStepBack() {
    core_->tools.OnStepBack();
}

void CMainFrame::OnEditStepForward() {
    core_->tools.OnStepForward();
}

} // namespace pattik
