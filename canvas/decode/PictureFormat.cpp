#include "canvas/decode/PictureFormat.h"

#include "canvas/decode/ByteReading.h"

namespace mimora {

PictureFormat RecognisePicture(const QByteArray &data)
{
    if (data.size() <= 5)
        return PictureFormat::None;
    const auto byte = [&data](int i) { return uchar(data[i]); };

    if (byte(0) == 0xFF && byte(1) == 0xD8)
        return PictureFormat::Jpeg;
    if (data.startsWith("BM"))
        return PictureFormat::Bmp;
    if (byte(0) == 0x89 && byte(1) == 0x50 && byte(2) == 0x4E && byte(3) == 0x47)
        return PictureFormat::Png;
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a"))
        return PictureFormat::Gif;
    if (byte(0) == 0 && byte(1) == 0 && byte(3) == 0 && ReadU16Le(data, 4) != 0) {
        if (byte(2) == 1)
            return PictureFormat::Icon;
        if (byte(2) == 2)
            return PictureFormat::Cursor;
    }
    if (byte(0) == 0x0A && byte(1) <= 5 && byte(2) == 0x01) {
        if (byte(3) == 0x08)
            return PictureFormat::Pcx256;
        // Version 3 is the classic black-and-white form, but every current writer stamps
        // version 5 on 1-bit files too, and those are just as plainly black and white.
        if (byte(3) == 0x01)
            return PictureFormat::PcxMono;
    }
    return PictureFormat::None;
}

} // namespace mimora
