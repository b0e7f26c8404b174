#include "canvas/decode/PictureDecoder.h"

#include "canvas/decode/BmpDecoder.h"
#include "canvas/decode/GifDecoder.h"
#include "canvas/decode/IconDecoder.h"
#include "canvas/decode/JpegDecoder.h"
#include "canvas/decode/PcxDecoder.h"
#include "canvas/decode/PictureFormat.h"
#include "canvas/decode/PngDecoder.h"

namespace mimora {

namespace {

// The registry: which decoder serves each recognised format. The decoders hold no state.
const FormatDecoder *DecoderFor(PictureFormat format)
{
    static const JpegDecoder jpeg;
    static const BmpDecoder bmp;
    static const PngDecoder png;
    static const GifDecoder gif;
    static const IconDecoder icon;
    static const PcxDecoder pcx;
    switch (format) {
    case PictureFormat::Jpeg:
        return &jpeg;
    case PictureFormat::Bmp:
        return &bmp;
    case PictureFormat::Png:
        return &png;
    case PictureFormat::Gif:
        return &gif;
    case PictureFormat::Icon:
    case PictureFormat::Cursor:
        return &icon;
    case PictureFormat::Pcx256:
    case PictureFormat::PcxMono:
        return &pcx;
    case PictureFormat::None:
        break;
    }
    return nullptr;
}

} // namespace

std::optional<DecodedPicture> DecodePicture(const QByteArray &data)
{
    return DecodePicture(data, DecodeLimits{});
}

std::optional<DecodedPicture> DecodePicture(const QByteArray &data, const DecodeLimits &limits)
{
    if (data.size() > limits.maxInputBytes)
        return std::nullopt;
    const FormatDecoder *decoder = DecoderFor(RecognisePicture(data));
    if (!decoder)
        return std::nullopt;
    return decoder->decode(data, limits);
}

} // namespace mimora
