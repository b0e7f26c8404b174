#include "app/ListBox.h"

#include <QMouseEvent>
#include <QSignalBlocker>

namespace mimora {

ListBox::ListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            emit itemChosen();
    });
}

int ListBox::selection() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void ListBox::setSelection(int index)
{
    const QSignalBlocker silent(this);
    if (index >= 0 && index < count()) {
        setCurrentRow(index);
    } else {
        clearSelection();
        setCurrentRow(-1);
    }
}

void ListBox::setItems(const QStringList &texts)
{
    const QSignalBlocker silent(this);
    clear();
    // Only the height is ours; a list row spans the list's width whatever the hint says,
    // and measuring every text here would shape them all before the first frame.
    const QSize size(1, fontMetrics().height() + 5);
    for (const QString &text : texts)
        (new QListWidgetItem(text, this))->setSizeHint(size);
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    const int before = currentRow();
    QListWidget::mousePressEvent(event);
    // Choosing the item that is already selected changes no row but is still a choice.
    const QModelIndex hit = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && hit.isValid() && hit.row() == before)
        emit itemChosen();
}

} // namespace mimora
