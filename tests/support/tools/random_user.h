#pragma once

#include "support/panel/fake_host.h"
#include "tools/canvas_tools.h"
#include "tools/tool_palette.h"

#include <random>
#include <string>

namespace pattik::testing {

// A seeded random user of the editor's core: pointer events anywhere (near the canvas most
// of the time, at the int limits sometimes), the editing keys and the held keys, the palette,
// the swatches, the RGB mixer with any text, the view buttons and the preview boxes, all
// through the handlers the window calls. The random drivers add their own kinds of event
// (item and document commands, the panel's operations with any values) and their own rules.
class RandomUser {
  public:
    RandomUser(CEditPanel& panel, CToolPalette& palette, CanvasTools& tools, FakeHost& host,
               std::uint32_t seed)
        : panel_(panel), palette_(palette), tools_(tools), host_(host), random_(seed) {}

    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    bool OneIn(int n) { return Between(1, n) == 1; }
    // Small values near the picture most of the time, the int limits sometimes.
    int AnyInt();
    // On the canvas most of the time, anywhere on the panel or far off it sometimes.
    Point AnyPanelPoint();

    // One event of each kind; What() names the last one sent.
    void Pointer();
    void EditingKey();
    void Control();
    const std::string& What() const { return what_; }

  private:
    std::string AnyEditText();
    COLORREF AnyColour();

    CEditPanel& panel_;
    CToolPalette& palette_;
    CanvasTools& tools_;
    FakeHost& host_;
    std::mt19937 random_;
    std::string what_;
};

} // namespace pattik::testing
