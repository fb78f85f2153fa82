#pragma once

#include "document/document.h"
#include "document/recovery_store.h"
#include "panel/dialog_host.h"

namespace pattik {

// At start: the newest drawing an editor that ended left unsaved is offered in one box,
// with when it was kept and its name. 복구 brings it back into the document, unsaved, and
// 버리기 lets it go; closing the box keeps it for the next start. A record that cannot be
// read is said so and set aside, and never stops the editor. True when a drawing came back.
bool OfferRecovery(RecoveryStore& store, CPattikDoc& document, DialogHost& dialogs);

} // namespace pattik
