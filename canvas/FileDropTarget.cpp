#include "canvas/FileDropTarget.h"

#include "canvas/DropRules.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace mimora {

namespace {

bool CarriesLocalFiles(const QMimeData *data)
{
    return data && data->hasUrls() && !LocalFilePaths(data->urls()).isEmpty();
}

} // namespace

FileDropTarget::FileDropTarget(QObject *parent) : QObject(parent) {}

bool FileDropTarget::bind(QWidget *target)
{
    if (m_target || !target)
        return false;
    m_target = target;
    target->setAcceptDrops(true);
    target->installEventFilter(this);
    return true;
}

bool FileDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_target)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        const Qt::DropAction action =
            CarriesLocalFiles(drag->mimeData())
                ? ProposedDropAction(drag->possibleActions(), drag->modifiers())
                : Qt::IgnoreAction;
        drag->setDropAction(action);
        if (action == Qt::IgnoreAction)
            drag->ignore();
        else
            drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const Qt::DropAction action =
            CarriesLocalFiles(drop->mimeData())
                ? ProposedDropAction(drop->possibleActions(), drop->modifiers())
                : Qt::IgnoreAction;
        if (action == Qt::IgnoreAction) {
            drop->ignore();
            return true;
        }
        emit filesDropped(LocalFilePaths(drop->mimeData()->urls()));
        // Never answer a move: the source would delete the file it still owns.
        if (drop->possibleActions().testFlag(Qt::CopyAction)) {
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
        } else {
            drop->setDropAction(Qt::IgnoreAction);
            drop->ignore();
        }
        return true;
    }
    default:
        return false;
    }
}

} // namespace mimora
