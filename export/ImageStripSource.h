#pragma once

#include "export/StripSource.h"

namespace mimora {

/** A picture already in memory, handed out in strips (tests, benchmarks). */
class ImageStripSource : public StripSource
{
public:
    explicit ImageStripSource(const QImage &image);

    QSize size() const override { return m_image.size(); }
    QImage renderStrip(int top, int rows) override;

private:
    QImage m_image; // Format_RGB32
};

} // namespace mimora
