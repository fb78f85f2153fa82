#include "panel/canvas_readout.h"

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
