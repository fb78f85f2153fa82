// pattik_export_icon: writes one size of the window icon, from the embedded bitmap, as the
// PNG that desktops look for: pattik_export_icon SIZE OUT.png
#include "raster/bitmap_resources.h"
#include "render_panel/png_writer.h"
#include "res/resource_ids.h"

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pattik_export_icon 16|32|48|256 OUT.png\n");
        return 2;
    }
    constexpr int kSizes[4] = {16, 32, 48, 256};
    for (int i = 0; i < 4; ++i) {
        char size[8];
        std::snprintf(size, sizeof size, "%d", kSizes[i]);
        if (std::strcmp(argv[1], size) == 0) {
            const pattik::DeviceBitmap icon =
                pattik::LoadBitmapResource(pattik::kWindowIconBitmaps[i]);
            return !icon.IsEmpty() && pattik::render::WritePng(icon, argv[2]) ? 0 : 1;
        }
    }
    std::fprintf(stderr, "pattik_export_icon: no icon of size %s\n", argv[1]);
    return 2;
}
