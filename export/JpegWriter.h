#pragma once

#include "export/StripSource.h"

#include <QString>

namespace mimora {

/**
 * Encodes a picture as a baseline JPEG without chroma subsampling (4:4:4, so coloured
 * caption text stays crisp), strip by strip, so that memory stays bounded however large
 * the picture is.
 */
class JpegWriter
{
public:
    explicit JpegWriter(int quality = 95) : m_quality(quality) {}

    /**
     * Writes the whole file to fd from its current position. Returns false on any encoder
     * or write error (disk full, file too large, ...) and then errorString() says why. fd is
     * neither synced nor closed: that is the caller's, who must check those too.
     */
    bool write(StripSource &source, int fd);

    QString errorString() const { return m_error; }

private:
    int m_quality;
    QString m_error;
};

} // namespace mimora
