#pragma once

#include "document/document_environment.h"

#include <optional>

class QWidget;

namespace pattik {

// Asks which gender and category an item being opened is, since its files do not say: the
// item bar's two lists, starting from the entries given (-1 for none). OK is offered only
// once both are chosen.
std::optional<ItemIndices> AskItemChoice(QWidget* owner, int gender, int category);

} // namespace pattik
