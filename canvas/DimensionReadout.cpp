#include "canvas/DimensionReadout.h"

namespace mimora {

QString WidthReadout(int width)
{
    return QStringLiteral("图片宽度：") + QString::number(width);
}

QString HeightReadout(int height)
{
    return QStringLiteral("图片高度：") + QString::number(height);
}

} // namespace mimora
