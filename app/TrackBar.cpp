#include "app/TrackBar.h"

#include <QSignalBlocker>

#include <algorithm>

namespace mimora {

TrackBar::TrackBar(Qt::Orientation orientation, QWidget *parent) : QSlider(orientation, parent)
{
    // actionTriggered comes only from the user, after sliderPosition() already holds
    // the step's result and before the value is applied: the moment the event needs.
    connect(this, &QAbstractSlider::actionTriggered, this, [this] {
        m_position = sliderPosition();
        emit positionChanged();
    });
}

void TrackBar::setPosition(int p)
{
    m_position = std::clamp(p, 0, 32767);
    const QSignalBlocker silent(this);
    setValue(std::clamp(m_position, minimum(), maximum()));
}

} // namespace mimora
