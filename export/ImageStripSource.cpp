#include "export/ImageStripSource.h"

namespace mimora {

ImageStripSource::ImageStripSource(const QImage &image)
    : m_image(image.convertToFormat(QImage::Format_RGB32))
{}

QImage ImageStripSource::renderStrip(int top, int rows)
{
    return m_image.copy(0, top, m_image.width(), rows);
}

} // namespace mimora
