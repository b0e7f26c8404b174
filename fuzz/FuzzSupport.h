#pragma once

#include "canvas/decode/DecodeLimits.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>

namespace mimora {

/**
 * The limits a fuzz target decodes under: smaller than the program's, so that a legal but large
 * picture (a 2^28-pixel frame is 1 GiB) stays within the fuzzer's 512 MiB budget, while every
 * header check still runs at its boundary.
 */
inline DecodeLimits FuzzLimits()
{
    DecodeLimits limits;
    limits.maxPixels = qint64(1) << 22;
    limits.maxAnimationPixels = qint64(1) << 23;
    limits.maxFrames = 512;
    return limits;
}

/** The fuzz input as a byte array that does not copy it; Qt's warnings are silenced once. */
inline QByteArray FuzzInput(const uint8_t *data, size_t size)
{
    static const bool quiet = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        return true;
    }();
    Q_UNUSED(quiet);
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace mimora
