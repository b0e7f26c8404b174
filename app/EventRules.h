#pragma once

#include "app/EditBoxes.h"
#include "app/ListBox.h"
#include "app/TrackBar.h"

#include <QCheckBox>
#include <QHash>

#include <functional>

namespace mimora {

/**
 * The one place that decides which events reach the handlers.
 *
 * Qt's own signals follow other rules (QLineEdit::setText is silent for equal
 * text, QSlider::setValue emits), so handlers are never connected to Qt signals
 * directly: user actions come in through bind(), writes from code go out through
 * the write functions. Writing an edit box runs its content-changed handler at
 * once, exactly once, also for equal text; writing a slider position, a check
 * state or a list selection runs nothing. Until open() nothing is delivered, and
 * nothing held back then is delivered later.
 */
class EventRules
{
public:
    using Handler = std::function<void()>;
    using PointHandler = std::function<void(int x, int y)>;

    /** Starts delivering events; called once the window is completely built. */
    void open() { m_open = true; }
    bool isOpen() const { return m_open; }

    /** Runs handler for every emission of a user-only signal without arguments. */
    template <typename Sender, typename Signal>
    void bind(Sender *sender, Signal signal, Handler handler)
    {
        QObject::connect(sender, signal, sender, [this, handler = std::move(handler)] {
            if (m_open)
                handler();
        });
    }

    /** The same for signals that carry a point (mouse events). */
    template <typename Sender, typename Signal>
    void bindPoint(Sender *sender, Signal signal, PointHandler handler)
    {
        QObject::connect(sender, signal, sender,
                         [this, handler = std::move(handler)](int x, int y) {
                             if (m_open)
                                 handler(x, y);
                         });
    }

    /** Binds an edit box's content-changed handler, for user edits and for writes. */
    template <typename Box> void bindContentChanged(Box *box, Handler handler)
    {
        m_contentHandlers.insert(box, handler);
        bind(box, &Box::contentChanged, std::move(handler));
    }

    void writeContent(LineEditBox *box, const QString &text);
    void writeContent(TextEditBox *box, const QString &text);
    void writePosition(TrackBar *slider, int position);
    void writeChecked(QCheckBox *box, bool checked);
    void writeSelection(ListBox *list, int index);

private:
    void raiseContentChanged(const QObject *box);

    bool m_open = false;
    QHash<const QObject *, Handler> m_contentHandlers;
};

} // namespace mimora
