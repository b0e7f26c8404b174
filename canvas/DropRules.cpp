#include "canvas/DropRules.h"

namespace mimora {

Qt::DropAction ProposedDropAction(Qt::DropActions allowed, Qt::KeyboardModifiers keys)
{
    const bool ctrl = keys.testFlag(Qt::ControlModifier);
    const bool shift = keys.testFlag(Qt::ShiftModifier);
    auto only = [&](Qt::DropAction a) { return allowed.testFlag(a) ? a : Qt::IgnoreAction; };
    if (ctrl && shift)
        return Qt::IgnoreAction;
    if (ctrl)
        return only(Qt::CopyAction);
    if (shift)
        return only(Qt::MoveAction);
    for (Qt::DropAction a : {Qt::CopyAction, Qt::MoveAction, Qt::LinkAction}) {
        if (allowed.testFlag(a))
            return a;
    }
    return Qt::IgnoreAction;
}

QStringList LocalFilePaths(const QList<QUrl> &urls)
{
    QStringList paths;
    for (const QUrl &url : urls) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths.append(url.toLocalFile());
    }
    return paths;
}

} // namespace mimora
