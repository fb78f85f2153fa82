#pragma once

#include "panel/palette_host.h"
#include "raster/device_bitmap.h"

#include <QWidget>

#include <map>

namespace pattik {

class CToolPalette;
class FaceButton;

// The tool palette on screen: ten tool buttons, four option buttons that the palette's
// logic places and faces, and the 16 swatches it paints. It runs the window's full height
// in the bar colour, as a bar docked at the side does.
class CToolPaletteWidget : public QWidget, public PaletteHost {
    Q_OBJECT

  public:
    explicit CToolPaletteWidget(QWidget* parent);

    void Attach(CToolPalette& palette);
    void Detach() { palette_ = nullptr; }
    FaceButton* Button(int buttonId) const;

    // PaletteHost
    void EnableButton(int buttonId, bool enable) override;
    void ShowButton(int buttonId, bool show) override;
    void PlaceButton(int buttonId, const RECT& place) override;
    void SetButtonFaces(int buttonId, int upBitmapId, int pressedBitmapId) override;
    void SetToolTip(int buttonId, std::string_view text) override;
    void InvalidatePalette() override { update(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    CToolPalette* palette_ = nullptr;
    DeviceBitmap client_;
    std::map<int, FaceButton*> buttons_;
};

} // namespace pattik
