#include "panel/canvas_readout.h"

#include "catalogue/catalogue.h"
#include "res/string_table.h"

namespace pattik {

std::optional<PixelReadout> ReadPixelUnder(const CEditPanel& panel, Point client) {
    if (!panel.Item().IsChosen()) {
        return std::nullopt; // the canvas shows nothing
    }
    const CanvasMapping mapping = panel.Mapping();
    const RECT canvas = mapping.Canvas();
    if (client.x < canvas.left || client.x >= canvas.right || client.y < canvas.top ||
        client.y >= canvas.bottom) {
        return std::nullopt;
    }
    const Point pixel = mapping.ClientToImage(client);
    const DeviceBitmap& picture = panel.CurrentImage();
    if (!picture.Contains(pixel.x, pixel.y)) {
        return std::nullopt;
    }
    // Where the DP view shows a window of the wear picture, the colour there is the wear
    // picture's: the DP picture is never shown or saved for such items.
    const ItemChoice& item = panel.Item();
    const DpFileSource source = DpFileSourceFor(item.category, item.gender);
    if (panel.View().viewMode == ViewMode::Dp && source.fromWear && source.width > 0 &&
        source.height > 0) {
        const DeviceBitmap& wear = panel.Image(ViewMode::Wear);
        const int x = (pixel.x - source.x) * wear.Width() / source.width;
        const int y = (pixel.y - source.y) * wear.Height() / source.height;
        const COLORREF shown = wear.Contains(x, y) ? wear.At(x, y) : kTransparentMagenta;
        return PixelReadout{pixel, shown};
    }
    return PixelReadout{pixel, picture.At(pixel.x, pixel.y)};
}

std::string PixelReadoutText(const PixelReadout& readout) {
    std::string text = std::to_string(readout.pixel.x) + ", " + std::to_string(readout.pixel.y);
    if (readout.colour == kTransparentMagenta) {
        return text + "  " + std::string(kEmptyPixelText);
    }
    return text + "  R " + std::to_string(GetRValue(readout.colour)) + " G " +
           std::to_string(GetGValue(readout.colour)) + " B " +
           std::to_string(GetBValue(readout.colour));
}

} // namespace pattik
