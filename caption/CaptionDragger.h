#pragma once

#include "caption/DragState.h"

class QWidget;

namespace mimora {

class CaptionLabel;

/**
 * Drags the caption with the mouse: the grabbed point stays under the pointer.
 * The window holds the mouse grab for the whole drag, so moves and the release
 * reach it wherever the pointer goes.
 */
class CaptionDragger
{
public:
    CaptionDragger(DragState &state, CaptionLabel *caption, QWidget *window);

    /** Left press at x, y inside the caption. */
    void begin(int x, int y);
    /** Pointer at x, y in the window; moves left, then top. */
    void track(int x, int y);
    /** Release, or the grab was lost: ends any drag. */
    void end();

    bool isDragging() const { return m_state.dragging; }

private:
    DragState &m_state;
    CaptionLabel *m_caption;
    QWidget *m_window;
};

} // namespace mimora
