#pragma once

#include "panel/edit_panel.h"

namespace pattik {

// The RGB mixer's handlers. The mixer writes colour 2 after a right press on the panel and
// colour 1 after a left one.

// The colour of the three trackbars (each taken as a byte) becomes the drawing colour.
void ApplyMixer(CEditPanel& panel);
// A trackbar moved: the edits follow the trackbars, then the mixer applies.
void OnTrackbarMoved(CEditPanel& panel);
// An edit's text changed: its number, clamped to 0..255, moves its trackbar, and the mixer
// applies. A text that is no number keeps the channel's previous value, which the push
// then puts back into the edit.
void OnEditChanged(CEditPanel& panel, MixerChannel channel);

} // namespace pattik
