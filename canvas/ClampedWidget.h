#pragma once

#include <QWidget>

namespace mimora {

/**
 * A control whose place and size are written one value at a time, clamped as the
 * toolkit clamps them: width and height to 0 … 32627, left and top to −32627 … 32627.
 * Each write leaves the other three values alone.
 */
class ClampedWidget : public QWidget
{
public:
    using QWidget::QWidget;

    void setLeft(long long left);
    void setTop(long long top);
    void setWidth(long long width);
    void setHeight(long long height);
};

} // namespace mimora
