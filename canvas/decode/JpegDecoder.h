#pragma once

#include "canvas/decode/FormatDecoder.h"

#include <QSize>

namespace mimora {

/** What a walk over a JPEG's marker segments found, without decoding any pixels. */
struct JpegLayout
{
    QSize frameSize; // from the SOF segment, as stored (before any EXIF turn)
    int scans = 0;
};

/**
 * JPEG (baseline, progressive, greyscale, CMYK) through Qt's reader, with the EXIF orientation
 * applied. The marker segments are walked first: the stored size is checked before Qt allocates,
 * the number of progressive scans is bounded, and a stream that stops before its end marker is
 * refused rather than shown half grey.
 */
class JpegDecoder final : public FormatDecoder
{
public:
    std::optional<DecodedPicture> decode(const QByteArray &data,
                                         const DecodeLimits &limits) const override;

    /** Walks the segments from SOI to EOI; nullopt when the structure is broken or cut short. */
    static std::optional<JpegLayout> readLayout(const QByteArray &data);
};

} // namespace mimora
