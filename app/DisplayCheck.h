#pragma once

#include <QString>

namespace mimora {

/**
 * Whether a window can be shown at all, asked before Qt starts (Qt aborts when
 * it cannot reach a display). Empty when a display is reachable, else one line
 * that says what is missing and how to run anyway.
 */
QString MissingDisplayReason();

} // namespace mimora
