#pragma once

#include <QByteArray>
#include <QString>

namespace mimora {

/**
 * The text in the GBK code page (936), the encoding whose bytes some of our rules count.
 * A character GBK cannot hold becomes '?', so the result never holds a broken sequence.
 */
QByteArray ToGbk(const QString &text);

/** GBK bytes back to text; a byte that starts no valid character becomes U+FFFD. */
QString FromGbk(const QByteArray &gbk);

} // namespace mimora
