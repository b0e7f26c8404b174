#pragma once

#include <QDateTime>
#include <QString>

namespace mimora {

/**
 * The name a save gets from the moment of the click: "2018年8月16日5时43分59秒", with
 * trailing zero fields left out ("…5时43分", "…5时", and no time at all at midnight)
 * and no leading zeros anywhere.
 */
QString DateTimeText(const QDateTime &when);

} // namespace mimora
