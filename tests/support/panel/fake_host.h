#pragma once

#include "panel/panel_host.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace pattik::testing {

// A PanelHost that records what the panel asks of the window system and answers
// dialogs from a script, so handlers run headless and tests read what happened.
class FakeHost : public PanelHost {
  public:
    struct Invalidation {
        RECT rect; // the whole panel is recorded as kWholePanel
        bool erase;
        friend bool operator==(const Invalidation&, const Invalidation&) = default;
    };
    static constexpr RECT kWholePanel{-1, -1, -1, -1};

    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons) override;
    void Invalidate(const RECT& rect, bool erase) override {
        invalidations.push_back({rect, erase});
    }
    void InvalidateAll(bool erase) override { invalidations.push_back({kWholePanel, erase}); }
    void InvalidateToolPalette() override { ++paletteRepaints; }
    void CapturePointer() override { captured = true; }
    void ReleasePointer() override { captured = false; }
    bool HasPointerCapture() const override { return captured; }
    void SetPointerShape(PointerShape shape) override { pointerShape = shape; }
    bool IsKeyDown(PolledKey key) const override { return keysDown.count(key) != 0; }
    void StartTimer(int id, int intervalMs) override { timers[id] = intervalMs; }
    void StopTimer(int id) override { timers.erase(id); }
    std::optional<COLORREF> ChooseColour(COLORREF initial, CustomColours& customColours) override;
    void SetDocumentModified(bool value) override { modified = value; }
    bool IsDocumentModified() const override { return modified; }
    bool ExchangeControlData(bool fromControls) override;
    void SetTrackbarRange(int controlId, int minimum, int maximum) override {
        trackbarRanges[controlId] = {minimum, maximum};
    }
    void ShowControl(int controlId, bool show) override { shown[controlId] = show; }
    void SetButtonPushed(int controlId, bool pushed) override { pushedButtons[controlId] = pushed; }

    // Recorded.
    std::vector<std::string> messages;
    std::vector<Invalidation> invalidations;
    int paletteRepaints = 0;
    bool captured = false;
    PointerShape pointerShape = PointerShape::Arrow;
    std::map<int, int> timers;
    bool modified = false;
    std::vector<bool> exchanges; // the direction of each control data exchange
    std::map<int, std::pair<int, int>> trackbarRanges;
    std::map<int, bool> shown;
    std::map<int, bool> pushedButtons;
    std::vector<COLORREF> colourDialogInitials;

    // Scripted.
    std::set<PolledKey> keysDown;
    std::deque<MessageAnswer> messageAnswers;          // Ok when empty
    std::deque<std::optional<COLORREF>> colourAnswers; // cancel when empty
    std::deque<CustomColours> customColourEdits;       // what the dialog leaves, if given
    bool exchangeSucceeds = true;

    void ClearRecords() {
        messages.clear();
        invalidations.clear();
        exchanges.clear();
    }
};

} // namespace pattik::testing
