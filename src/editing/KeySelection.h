#pragma once
// Selecting with the keyboard: which item Tab and Shift+Tab go to, and what a
// screen reader says about the item selected.
#include <QString>

#include "document/LabelContent.h"

namespace keyselect {

// The item after `from` in stacking order (back to front), or before it when
// `forward` is false, wrapping round at either end. From no item (or one that
// is gone) Tab starts at the back, Shift+Tab at the front. Hidden items are
// passed over, as the mouse passes over them. None when no item is shown.
ItemId next(const LabelContent& c, ItemId from, bool forward);

// The item's kind and what it says: "Text: Pale Ale", "Picture: hops.png",
// "QR code: https://…"; "No item selected" for none.
QString spoken(const LabelItem* item);

} // namespace keyselect
