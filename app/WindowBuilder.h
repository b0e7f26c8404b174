#pragma once

#include "app/Controls.h"

namespace mimora {

/**
 * Creates the 26 controls of the layout inside window, with their places, sizes,
 * texts, settings and stacking order. Raises no event: nothing is bound yet.
 */
Controls BuildControls(QWidget *window);

} // namespace mimora
