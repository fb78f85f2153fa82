#pragma once

#include "image/colour_budget.h"
#include "panel/edit_panel.h"

#include <string>
#include <vector>

namespace pattik {

// What the pictures will look like once saved, told before it is too late: the colour
// budget of the picture in view, and the concerns Save raises before it writes.

// The colours of the current view's picture as its file will hold them: the DP picture over
// its guide (or the window of the wear picture), the hair picture as it is made.
ColourCount ViewColourCount(const CEditPanel& panel);
// "색 12/254", with "(초과)" after it when saving would merge colours.
std::string ColourBudgetText(const ColourCount& count);

// One line for each picture that would lose colours when saved, and for each picture the
// item needs that is still empty: the wear picture always, the DP picture for items that
// have their own, the hair picture for hair. The pictures are the panel's, as composed for
// its files. Empty when all is well.
std::vector<std::string> SaveConcerns(const CEditPanel& panel, const OutputPictures& pictures);
// The question Save asks about them.
std::string SaveConcernsQuestion(const std::vector<std::string>& concerns);

} // namespace pattik
