#pragma once

#include <QSlider>

namespace mimora {

/**
 * A slider with a position property of its own, as the program's rules see it.
 *
 * The stored position may stand outside the thumb's range (a number typed into a
 * mirror edit box); the thumb shows it limited to minimum..maximum. Every step of
 * a user's movement (drag, track click, arrows, Page Up/Down, Home, End, wheel)
 * first sets the position to the thumb's and then raises positionChanged(), also
 * when the step did not move the thumb. Writes from code raise nothing.
 */
class TrackBar : public QSlider
{
    Q_OBJECT
public:
    explicit TrackBar(Qt::Orientation orientation, QWidget *parent = nullptr);

    int position() const { return m_position; }

    /** Stores p limited to 0..32767 and moves the thumb there within its range; silent. */
    void setPosition(int p);

signals:
    void positionChanged();

private:
    int m_position = 0;
};

} // namespace mimora
