// pattik_render_panel: paints the editing panel headless and writes what the user would see
// as a PNG, so views, avatar toggles and tool overlays can be looked at without a window.
#include "panel/edit_panel.h"
#include "panel/null_panel_host.h"
#include "png_writer.h"
#include "tools/gesture.h"
#include "tools/previews.h"
#include "tools/tool_table.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pattik::render {
namespace {

// Large enough for the canvas, the preview, the wells and the strip below them.
constexpr Size kClientSize{260, 372};
constexpr COLORREF kBarColour = RGB(237, 237, 216);

constexpr const char* kUsage =
    "usage: pattik_render_panel OUT.png [options]\n"
    "  --gender 0|1            female or male (default 0)\n"
    "  --category N            0..13 (default 5, top)\n"
    "  --view wear|dp|hair     view mode (default wear)\n"
    "  --zoom Z                2, 4, 6 or 10 (wear view only)\n"
    "  --scroll X,Y            picture pixel at the canvas's top-left\n"
    "  --tool N                0..9\n"
    "  --width N               pen width 1, 3, 5 or 7\n"
    "  --fill N                1 outline, 0 other colour, -1 drawing colour\n"
    "  --eraser N              eraser side 2, 4, 6 or 10\n"
    "  --drag X1,Y1,X2,Y2      a drag in progress from the first point to the second\n"
    "  --hover X,Y             the pointer over the canvas with no button held\n"
    "  --floating L,T,R,B      a floating selection lifted from the wear picture\n"
    "  --right                 the right button draws (colour 2)\n"
    "  --no-avatar             untick the mannequin box\n"
    "  --avatar-front          tick the mannequin-in-front box\n"
    "  --demo                  paint a few strokes into the wear and DP pictures\n";

struct Options {
    std::string output;
    int gender = 0;
    int category = static_cast<int>(ItemCategory::Top);
    ViewMode view = ViewMode::Wear;
    std::optional<float> zoom;
    std::optional<Point> scroll;
    std::optional<int> tool;
    std::optional<int> width;
    std::optional<int> fill;
    std::optional<int> eraser;
    std::optional<RECT> drag;
    std::optional<Point> hover;
    std::optional<RECT> floating;
    bool right = false;
    bool noAvatar = false;
    bool avatarFront = false;
    bool demo = false;
};

// Comma-separated integers, exactly count of them, each wholly a number that fits an int.
std::optional<std::vector<int>> ParseInts(std::string_view text, std::size_t count) {
    std::vector<int> values;
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (;;) {
        int value = 0;
        const auto [stop, error] = std::from_chars(at, end, value);
        if (error != std::errc{} || (stop != end && *stop != ',')) {
            return std::nullopt;
        }
        values.push_back(value);
        if (stop == end) {
            break;
        }
        at = stop + 1;
    }
    if (values.size() != count) {
        return std::nullopt;
    }
    return values;
}

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    std::vector<std::string_view> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const auto next = [&]() -> std::optional<std::string_view> {
            if (i + 1 >= args.size()) {
                return std::nullopt;
            }
            return args[++i];
        };
        const auto ints = [&](std::size_t count) -> std::optional<std::vector<int>> {
            const auto value = next();
            return value ? ParseInts(*value, count) : std::nullopt;
        };
        std::optional<std::vector<int>> v;
        if (arg == "--right") {
            options.right = true;
        } else if (arg == "--no-avatar") {
            options.noAvatar = true;
        } else if (arg == "--avatar-front") {
            options.avatarFront = true;
        } else if (arg == "--demo") {
            options.demo = true;
        } else if (arg == "--view") {
            const auto value = next();
            if (value == "wear") {
                options.view = ViewMode::Wear;
            } else if (value == "dp") {
                options.view = ViewMode::Dp;
            } else if (value == "hair") {
                options.view = ViewMode::Hair;
            } else {
                return std::nullopt;
            }
        } else if (arg == "--zoom" && (v = ints(1))) {
            options.zoom = static_cast<float>((*v)[0]);
        } else if (arg == "--gender" && (v = ints(1))) {
            options.gender = (*v)[0];
        } else if (arg == "--category" && (v = ints(1))) {
            options.category = (*v)[0];
        } else if (arg == "--tool" && (v = ints(1))) {
            options.tool = (*v)[0];
        } else if (arg == "--width" && (v = ints(1))) {
            options.width = (*v)[0];
        } else if (arg == "--fill" && (v = ints(1))) {
            options.fill = (*v)[0];
        } else if (arg == "--eraser" && (v = ints(1))) {
            options.eraser = (*v)[0];
        } else if (arg == "--scroll" && (v = ints(2))) {
            options.scroll = Point{(*v)[0], (*v)[1]};
        } else if (arg == "--hover" && (v = ints(2))) {
            options.hover = Point{(*v)[0], (*v)[1]};
        } else if (arg == "--drag" && (v = ints(4))) {
            options.drag = RECT{(*v)[0], (*v)[1], (*v)[2], (*v)[3]};
        } else if (arg == "--floating" && (v = ints(4))) {
            options.floating = RECT{(*v)[0], (*v)[1], (*v)[2], (*v)[3]};
        } else if (!arg.starts_with("--") && options.output.empty()) {
            options.output = std::string(arg);
        } else {
            return std::nullopt;
        }
    }
    if (options.output.empty()) {
        return std::nullopt;
    }
    return options;
}

// A shirt and a strand of hair in the wear picture, a shoe in the DP picture: enough to
// see every view and overlay on something.
void PaintDemo(CEditPanel& panel) {
    constexpr COLORREF kShirt = RGB(40, 110, 220);
    constexpr COLORREF kStripe = RGB(250, 250, 250);
    constexpr COLORREF kHair = RGB(120, 70, 30);
    constexpr COLORREF kShoe = RGB(200, 40, 40);
    DrawingContext wear = panel.ImageContext(ViewMode::Wear);
    wear.FillRect(RECT{24, 38, 52, 72}, kShirt);
    for (int y = 42; y < 72; y += 6) {
        wear.FillRect(RECT{24, y, 52, y + 2}, kStripe);
    }
    wear.SelectPen(Pen{PenStyle::Solid, 1, kHair});
    wear.SelectBrush(Brush{BrushStyle::Solid, kHair});
    wear.Ellipse(24, 8, 52, 26);
    DrawingContext dp = panel.ImageContext(ViewMode::Dp);
    dp.SelectPen(Pen{PenStyle::Solid, 3, kBlack});
    dp.SelectBrush(Brush{BrushStyle::Solid, kShoe});
    dp.Ellipse(15, 40, 60, 62);
}

// False, naming what was refused, when an option's value is not one the editor offers.
bool Apply(const Options& options, CEditPanel& panel, Gesture& gesture) {
    const auto refuse = [](const char* what) {
        std::fprintf(stderr, "pattik_render_panel: %s is not one the editor offers\n", what);
        return false;
    };
    if (options.gender != 0 && options.gender != 1) {
        return refuse("--gender");
    }
    if (options.category < 0 || options.category >= kCategoryCount) {
        return refuse("--category");
    }
    panel.ChangeItem(options.gender, options.category);
    if (options.demo) {
        PaintDemo(panel);
    }
    panel.SetAvatarDisplay(!options.noAvatar, options.avatarFront);
    // Only items with a hair picture show the Hair view's button.
    if (options.view == ViewMode::Hair && !panel.Item().hairEnabled) {
        return refuse("--view hair for this category");
    }
    panel.SelectViewMode(options.view);
    // As the palette would have left them once it exists.
    if (options.tool && (*options.tool < 0 || *options.tool >= kToolCount)) {
        return refuse("--tool");
    }
    if (!panel.SetTool(
            static_cast<ToolKind>(options.tool.value_or(static_cast<int>(ToolKind::Pencil))))) {
        return refuse("--tool");
    }
    if (!panel.SetLineWidth(options.width.value_or(1))) {
        return refuse("--width");
    }
    if (!panel.SetFillStyle(options.fill.value_or(kOutlineOnly))) {
        return refuse("--fill");
    }
    if (options.eraser && !panel.SetEraserSize(*options.eraser)) {
        return refuse("--eraser");
    }
    if (options.zoom && !panel.SetZoom(*options.zoom)) {
        return refuse("--zoom");
    }
    if (options.scroll) {
        panel.SetScrollOffset(*options.scroll);
    }
    panel.SetUseSecondary(options.right);
    if (options.hover) {
        // A hover over the canvas shows the tool's preview under the pointer.
        gesture = Gesture{*options.hover, *options.hover, true, {}};
    }
    if (options.drag) {
        gesture = Gesture{Point{options.drag->left, options.drag->top},
                          Point{options.drag->right, options.drag->bottom},
                          true,
                          {}};
    }
    if (options.floating) {
        // Lifted and cut as the selection tool does it.
        const RECT& rect = *options.floating;
        panel.LiftSelection(Point{rect.left, rect.top}, Point{rect.right, rect.bottom});
        panel.CurrentImageContext().FillRect(panel.Selection().selectionRect, kTransparentMagenta);
    }
    return true;
}

} // namespace
} // namespace pattik::render

int main(int argc, char** argv) {
    using namespace pattik;
    const auto options = render::ParseOptions(argc, argv);
    if (!options) {
        std::fputs(render::kUsage, stderr);
        return 2;
    }
    NullPanelHost host;
    CEditPanel panel(host, host, host);
    if (panel.OnCreate() != 0) {
        std::fputs("pattik_render_panel: the panel could not be created\n", stderr);
        return 1;
    }
    panel.SetUpAfterBarsExist();
    Gesture gesture;
    const ToolPreviews previews(gesture);
    panel.SetOverlay(&previews);
    if (!render::Apply(*options, panel, gesture)) {
        return 2;
    }

    DeviceBitmap client(render::kClientSize.cx, render::kClientSize.cy);
    client.Fill(render::kBarColour);
    DrawingContext dc(&client);
    panel.Paint(dc);
    if (!render::WritePng(client, options->output)) {
        std::fprintf(stderr, "pattik_render_panel: cannot write %s\n", options->output.c_str());
        return 1;
    }
    return 0;
}
