#pragma once

#include <optional>

namespace pattik {

// The editing panel's controls, one value at a time: the three RGB edits and trackbars, the
// two preview check boxes, the view buttons. The order in which the panel moves its values
// in and out is the panel's (ControlData), not the window's.
class ControlHost {
  public:
    virtual ~ControlHost() = default;

    // The edit's text as an integer, or nothing when it holds none (empty, or not a number).
    virtual std::optional<int> ReadEditInteger(int editId) const = 0;
    virtual void WriteEditInteger(int editId, int value) = 0;
    // Gives the edit the keyboard focus with its whole text selected, so the user can type
    // a number over what was refused.
    virtual void FocusEdit(int editId) = 0;

    virtual int ReadTrackbarPosition(int trackbarId) const = 0;
    virtual void WriteTrackbarPosition(int trackbarId, int position) = 0;
    // Sets a trackbar's range without redrawing it.
    virtual void SetTrackbarRange(int trackbarId, int minimum, int maximum) = 0;

    virtual bool ReadCheckBox(int checkBoxId) const = 0;
    virtual void WriteCheckBox(int checkBoxId, bool checked) = 0;

    virtual void ShowControl(int controlId, bool show) = 0;
    virtual void SetButtonPushed(int buttonId, bool pushed) = 0;
};

} // namespace pattik
