#pragma once

#include "canvas/decode/FormatDecoder.h"

#include <QSize>

namespace mimora {

/** What a walk over a GIF's blocks found, without composing any frame. */
struct GifLayout
{
    QSize screenSize; // the logical screen, which every composed frame fills
    int frames = 0;   // frames whose image data is complete and decodes to enough pixels
};

/**
 * Animated and still GIF through Qt's reader, which composes every frame onto the logical screen
 * (disposal and transparency included) and reports the stored delays. The blocks are walked
 * first: the screen size is checked before anything is allocated, each frame's LZW stream is
 * checked for bad codes and missing pixels, and the frame count is bounded by the limits.
 */
class GifDecoder final : public FormatDecoder
{
public:
    std::optional<DecodedPicture> decode(const QByteArray &data,
                                         const DecodeLimits &limits) const override;

    /** Walks the blocks; frames stop at the first one that is cut short or malformed. */
    static std::optional<GifLayout> readLayout(const QByteArray &data, int maxFrames);
};

} // namespace mimora
