#pragma once

namespace pattik {

// The item bar's two combo boxes.
enum class ItemBox { Gender, Category };

// Reads and sets the item bar's selections, so its guard runs headless.
class ItemBarHost {
  public:
    virtual ~ItemBarHost() = default;

    // The selected entry's index in list order, -1 when none is selected.
    virtual int GetSelection(ItemBox box) const = 0;
    // -1 clears the selection.
    virtual void SetSelection(ItemBox box, int index) = 0;
};

} // namespace pattik
