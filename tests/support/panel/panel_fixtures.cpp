#include "support/panel/panel_fixtures.h"

namespace pattik::testing {

void PaintPanel::Choose(Gender gender, ItemCategory category) {
    panel.ChangeItem(static_cast<int>(gender), static_cast<int>(category));
    ItemArtwork plain;
    plain.background = SolidBitmap(kWearImageSize.cx, kWearImageSize.cy, kPlainBackground);
    panel.ReplaceArtwork(plain);
}

void PaintPanel::PaintClient() {
    client.Fill(kBarColour);
    DrawingContext dc(&client);
    panel.Paint(dc);
}

DeviceBitmap SolidBitmap(int width, int height, COLORREF colour) {
    DeviceBitmap bitmap(width, height);
    bitmap.Fill(colour);
    return bitmap;
}

int CountOf(const DeviceBitmap& bitmap, const RECT& area, COLORREF colour) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += bitmap.At(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

} // namespace pattik::testing
