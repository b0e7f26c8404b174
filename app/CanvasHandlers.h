#pragma once

#include <QStringList>

namespace mimora {

struct Controls;

/** Rewrites the size readout from the canvas's current width and height. */
void RefreshDimensionReadout(const Controls &c);

/** Shows the selected template at its display size and resets the export buttons' texts. */
void ApplyTemplate(const Controls &c);

/** Puts the canvas back home and scales its height, then its width, by factor. */
void ZoomCanvas(const Controls &c, double factor);

/** Shows the first of paths that holds a readable picture, at the picture's own size. */
void LoadDroppedPhoto(const Controls &c, const QStringList &paths);

} // namespace mimora
