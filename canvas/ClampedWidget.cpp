#include "canvas/ClampedWidget.h"

#include "canvas/Geometry.h"

namespace mimora {

void ClampedWidget::setLeft(long long left)
{
    move(ClampPlace(left), y());
}

void ClampedWidget::setTop(long long top)
{
    move(x(), ClampPlace(top));
}

void ClampedWidget::setWidth(long long width)
{
    resize(ClampExtent(width), height());
}

void ClampedWidget::setHeight(long long height)
{
    resize(width(), ClampExtent(height));
}

} // namespace mimora
