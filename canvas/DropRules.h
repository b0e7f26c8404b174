#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>
#include <Qt>

namespace mimora {

/**
 * The action a drag over the canvas proposes, from what the source allows and
 * the keys held: none: copy, else move, else link; Ctrl: copy only; Shift: move
 * only; Ctrl and Shift: nothing.
 */
Qt::DropAction ProposedDropAction(Qt::DropActions allowed, Qt::KeyboardModifiers keys);

/** The local file paths among urls, in their order; web links and the like are left out. */
QStringList LocalFilePaths(const QList<QUrl> &urls);

} // namespace mimora
