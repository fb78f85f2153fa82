#pragma once

#include "panel/item_bar_host.h"
#include "panel/palette_host.h"
#include "panel/panel_host.h"

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace pattik::testing {

// Every host seam at once: records what the panel, the tools, the palette and the item bar
// ask of the window system and answers dialogs from a script, so handlers run headless and
// tests read what happened. The controls hold typed texts, trackbar positions and check
// marks as a window's would.
class FakeHost : public PanelHost, public PaletteHost, public ItemBarHost {
  public:
    struct Invalidation {
        RECT rect; // the whole panel is recorded as kWholePanel
        bool erase;
        friend bool operator==(const Invalidation&, const Invalidation&) = default;
    };
    static constexpr RECT kWholePanel{-1, -1, -1, -1};

    // PointerHost
    void CapturePointer() override { captured = true; }
    void ReleasePointer() override { captured = false; }
    bool HasPointerCapture() const override { return captured; }
    void SetPointerShape(PointerShape shape) override { pointerShape = shape; }
    bool IsKeyDown(PolledKey key) const override { return keysDown.count(key) != 0; }
    void StartTimer(int id, int intervalMs) override { timers[id] = intervalMs; }
    void StopTimer(int id) override { timers.erase(id); }

    // ViewHost
    void Invalidate(const RECT& rect, bool erase) override {
        invalidations.push_back({rect, erase});
    }
    void InvalidateAll(bool erase) override { invalidations.push_back({kWholePanel, erase}); }

    // DialogHost
    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons) override;
    std::optional<COLORREF> ChooseColour(COLORREF initial, CustomColours& customColours) override;

    // ControlHost: an edit reads as the window's will, through ParseEditInteger.
    std::optional<int> ReadEditInteger(int editId) const override;
    void WriteEditInteger(int editId, int value) override;
    void FocusEdit(int editId) override { focusedEdit = editId; }
    int ReadTrackbarPosition(int trackbarId) const override;
    void WriteTrackbarPosition(int trackbarId, int position) override {
        trackbarPositions[trackbarId] = position;
    }
    void SetTrackbarRange(int trackbarId, int minimum, int maximum) override {
        trackbarRanges[trackbarId] = {minimum, maximum};
    }
    bool ReadCheckBox(int checkBoxId) const override;
    void WriteCheckBox(int checkBoxId, bool checked) override { checkBoxes[checkBoxId] = checked; }
    void ShowControl(int controlId, bool show) override { shown[controlId] = show; }
    void SetButtonPushed(int buttonId, bool pushed) override { pushedButtons[buttonId] = pushed; }

    // DocumentHost
    void SetDocumentModified(bool value) override { modified = value; }
    bool IsDocumentModified() const override { return modified; }

    // PaletteHost
    void EnableButton(int buttonId, bool enable) override { paletteEnabled[buttonId] = enable; }
    void ShowButton(int buttonId, bool show) override { paletteShown[buttonId] = show; }
    void PlaceButton(int buttonId, const RECT& place) override { palettePlaces[buttonId] = place; }
    void SetButtonFaces(int buttonId, int upBitmapId, int pressedBitmapId) override {
        paletteFaces[buttonId] = {upBitmapId, pressedBitmapId};
    }
    void SetToolTip(int buttonId, std::string_view text) override {
        paletteToolTips[buttonId] = std::string(text);
    }
    void InvalidatePalette() override { ++paletteRepaints; }

    // ItemBarHost
    int GetSelection(ItemBox box) const override;
    void SetSelection(ItemBox box, int index) override { itemSelections[box] = index; }

    // Recorded.
    std::vector<std::string> messages;
    std::vector<Invalidation> invalidations;
    bool captured = false;
    PointerShape pointerShape = PointerShape::Arrow;
    std::map<int, int> timers;
    bool modified = false;
    std::optional<int> focusedEdit;
    std::map<int, std::pair<int, int>> trackbarRanges;
    std::map<int, bool> shown;
    std::map<int, bool> pushedButtons;
    std::vector<COLORREF> colourDialogInitials;
    std::map<int, bool> paletteEnabled;
    std::map<int, bool> paletteShown;
    std::map<int, RECT> palettePlaces;
    std::map<int, std::pair<int, int>> paletteFaces;
    std::map<int, std::string> paletteToolTips;
    int paletteRepaints = 0;

    // The controls' contents, as the user typed or the program wrote them.
    std::map<int, std::string> editTexts;
    std::map<int, int> trackbarPositions;
    std::map<int, bool> checkBoxes;
    std::map<ItemBox, int> itemSelections;

    // Scripted.
    std::set<PolledKey> keysDown;
    std::deque<MessageAnswer> messageAnswers;          // Ok, or Cancel for a question, when empty
    std::deque<std::optional<COLORREF>> colourAnswers; // cancel when empty
    std::deque<CustomColours> customColourEdits;       // what the user does to the custom colours

    void ClearRecords() {
        messages.clear();
        invalidations.clear();
    }
};

} // namespace pattik::testing
