#pragma once

#include <QString>

namespace mimora {

/** The readout texts for a canvas size: "图片宽度：" and "图片高度：" followed by the number. */
QString WidthReadout(int width);
QString HeightReadout(int height);

} // namespace mimora
