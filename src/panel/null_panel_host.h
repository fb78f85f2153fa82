#pragma once

#include "panel/item_bar_host.h"
#include "panel/palette_host.h"
#include "panel/panel_host.h"

#include <map>

namespace pattik {

// A window system that is not there: nothing is shown, every question is cancelled, and the
// controls hold what was last written to them. For command-line tools and benchmarks.
class NullPanelHost : public PanelHost {
  public:
    void CapturePointer() override {}
    void ReleasePointer() override {}
    bool HasPointerCapture() const override { return false; }
    void SetPointerShape(PointerShape) override {}
    bool IsKeyDown(PolledKey) const override { return false; }
    void StartTimer(int, int) override {}
    void StopTimer(int) override {}

    void Invalidate(const RECT&, bool) override {}
    void InvalidateAll(bool) override {}

    MessageAnswer ShowMessage(std::string_view, MessageButtons buttons) override {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
    std::optional<COLORREF> ChooseColour(COLORREF, CustomColours&) override { return {}; }

    std::optional<int> ReadEditInteger(int id) const override { return ValueOf(id); }
    void WriteEditInteger(int id, int value) override { values_[id] = value; }
    void FocusEdit(int) override {}
    int ReadTrackbarPosition(int id) const override { return ValueOf(id); }
    void WriteTrackbarPosition(int id, int position) override { values_[id] = position; }
    void SetTrackbarRange(int, int, int) override {}
    bool ReadCheckBox(int id) const override { return ValueOf(id) != 0; }
    void WriteCheckBox(int id, bool checked) override { values_[id] = checked ? 1 : 0; }
    void ShowControl(int, bool) override {}
    void SetButtonPushed(int, bool) override {}

    void SetDocumentModified(bool) override {}
    bool IsDocumentModified() const override { return false; }

  private:
    int ValueOf(int id) const {
        const auto found = values_.find(id);
        return found != values_.end() ? found->second : 0;
    }
    std::map<int, int> values_;
};

// A tool palette with no buttons on screen.
class NullPaletteHost : public PaletteHost {
  public:
    void EnableButton(int, bool) override {}
    void ShowButton(int, bool) override {}
    void PlaceButton(int, const RECT&) override {}
    void SetButtonFaces(int, int, int) override {}
    void SetToolTip(int, std::string_view) override {}
    void InvalidatePalette() override {}
};

// An item bar with no boxes on screen: nothing is selected in it.
class NullItemBarHost : public ItemBarHost {
  public:
    int GetSelection(ItemBox) const override { return -1; }
    void SetSelection(ItemBox, int) override {}
};

} // namespace pattik
