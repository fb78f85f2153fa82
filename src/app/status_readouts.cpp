#include "app/status_readouts.h"

#include "app/qt_convert.h"
#include "document/save_check.h"
#include "panel/canvas_readout.h"

#include <QLabel>
#include <QStatusBar>

namespace pattik {

StatusReadouts::StatusReadouts(CEditPanel& panel, QStatusBar& statusBar)
    : QObject(&statusBar), panel_(panel), budgetPane_(new QLabel(&statusBar)),
      pixelPane_(new QLabel(&statusBar)) {
    budgetPane_->setObjectName(QStringLiteral("colourBudget"));
    pixelPane_->setObjectName(QStringLiteral("pixelUnderPointer"));
    // After the prompt (index 0) and before the key-state panes; an empty pane takes no room
    // from the prompt.
    statusBar.insertPermanentWidget(1, pixelPane_);
    statusBar.insertPermanentWidget(2, budgetPane_);
    refreshTimer_.setSingleShot(true);
    refreshTimer_.setInterval(0);
    connect(&refreshTimer_, &QTimer::timeout, this, &StatusReadouts::Refresh);
}

void StatusReadouts::PanelChanged() {
    refreshTimer_.start();
}

void StatusReadouts::PointerAt(std::optional<QPoint> client) {
    pointer_ = client;
    ShowPixel();
}

void StatusReadouts::Refresh() {
    if (!panel_.Item().IsChosen()) {
        budgetPane_->clear(); // nothing is shown, nothing to count
    } else {
        // A floating selection counts: its colours go into the file once it is placed.
        const ColourCount count = panel_.ViewColoursOncePlaced();
        budgetPane_->setText(ToQString(ColourBudgetText(count)));
        budgetPane_->setStyleSheet(count.WillMerge() ? QStringLiteral("color: #b00000;")
                                                     : QString());
    }
    ShowPixel(); // the pixel under a still pointer may have been drawn over
}

void StatusReadouts::ShowPixel() {
    const std::optional<PixelReadout> readout =
        pointer_ ? ReadPixelUnder(panel_, Point{pointer_->x(), pointer_->y()}) : std::nullopt;
    pixelPane_->setText(readout ? ToQString(PixelReadoutText(*readout)) : QString());
}

} // namespace pattik
