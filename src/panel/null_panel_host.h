#pragma once

#include "panel/panel_host.h"

namespace pattik {

// A window system that is not there: nothing is shown, every dialog is cancelled.
class NullPanelHost : public PanelHost {
  public:
    MessageAnswer ShowMessage(std::string_view, MessageButtons) override {
        return MessageAnswer::Ok;
    }
    void Invalidate(const RECT&, bool) override {}
    void InvalidateAll(bool) override {}
    void InvalidateToolPalette() override {}
    void CapturePointer() override {}
    void ReleasePointer() override {}
    bool HasPointerCapture() const override { return false; }
    void SetPointerShape(PointerShape) override {}
    bool IsKeyDown(PolledKey) const override { return false; }
    void StartTimer(int, int) override {}
    void StopTimer(int) override {}
    std::optional<COLORREF> ChooseColour(COLORREF, CustomColours&) override { return {}; }
    void SetDocumentModified(bool) override {}
    bool IsDocumentModified() const override { return false; }
    bool ExchangeControlData(bool) override { return true; }
    void SetTrackbarRange(int, int, int) override {}
    void ShowControl(int, bool) override {}
    void SetButtonPushed(int, bool) override {}
};

} // namespace pattik
