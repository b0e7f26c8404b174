#include "app/EventRules.h"

#include <QSignalBlocker>

namespace mimora {

void EventRules::writeContent(LineEditBox *box, const QString &text)
{
    box->setContent(text);
    raiseContentChanged(box);
}

void EventRules::writeContent(TextEditBox *box, const QString &text)
{
    box->setContent(text);
    raiseContentChanged(box);
}

void EventRules::writePosition(TrackBar *slider, int position)
{
    slider->setPosition(position);
}

void EventRules::writeChecked(QCheckBox *box, bool checked)
{
    const QSignalBlocker silent(box);
    box->setChecked(checked);
}

void EventRules::writeSelection(ListBox *list, int index)
{
    list->setSelection(index);
}

void EventRules::raiseContentChanged(const QObject *box)
{
    if (!m_open)
        return;
    // Copied: the handler may rebind or write further boxes while it runs.
    const Handler handler = m_contentHandlers.value(box);
    if (handler)
        handler();
}

} // namespace mimora
