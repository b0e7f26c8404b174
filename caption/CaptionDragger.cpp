#include "caption/CaptionDragger.h"

#include "caption/CaptionLabel.h"

#include <QWidget>

namespace mimora {

CaptionDragger::CaptionDragger(DragState &state, CaptionLabel *caption, QWidget *window)
    : m_state(state), m_caption(caption), m_window(window)
{}

void CaptionDragger::begin(int x, int y)
{
    m_state.offsetX = x;
    m_state.offsetY = y;
    m_window->grabMouse();
    // Moves without a button must reach the window too: that is how a drag whose
    // release went elsewhere is noticed.
    m_window->setMouseTracking(true);
    m_state.dragging = true;
}

void CaptionDragger::track(int x, int y)
{
    if (!m_state.dragging)
        return;
    // 64-bit differences: the caption's clamp decides, not an overflow.
    m_caption->setLeft(static_cast<long long>(x) - m_state.offsetX);
    m_caption->setTop(static_cast<long long>(y) - m_state.offsetY);
}

void CaptionDragger::end()
{
    if (QWidget::mouseGrabber() == m_window)
        m_window->releaseMouse();
    m_window->setMouseTracking(false);
    m_state.dragging = false;
}

} // namespace mimora
