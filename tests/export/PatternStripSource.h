#pragma once

#include "export/StripSource.h"

#include <QList>
#include <QRect>

namespace mimora {

/**
 * A picture of any size made up row by row, never held whole, that remembers which
 * strips it was asked for: stands in for a canvas far too large to keep in memory.
 */
class PatternStripSource : public StripSource
{
public:
    explicit PatternStripSource(QSize size) : m_size(size) {}

    /** The colour of one pixel: smooth enough for JPEG, different in every row and column. */
    static QRgb pixel(int x, int y)
    {
        return qRgb((x / 3 + y / 5) & 0xff, (2 * y + x / 7) & 0xff, (x / 2) & 0xff);
    }

    QSize size() const override { return m_size; }
    QImage renderStrip(int top, int rows) override
    {
        m_strips.append(QRect(0, top, m_size.width(), rows));
        QImage strip(m_size.width(), rows, QImage::Format_RGB32);
        for (int y = 0; y < rows; ++y) {
            auto *line = reinterpret_cast<QRgb *>(strip.scanLine(y));
            for (int x = 0; x < m_size.width(); ++x)
                line[x] = pixel(x, top + y);
        }
        return strip;
    }

    /** The strips asked for, in order. */
    const QList<QRect> &strips() const { return m_strips; }

private:
    QSize m_size;
    QList<QRect> m_strips;
};

} // namespace mimora
