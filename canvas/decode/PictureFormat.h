#pragma once

#include <QByteArray>

namespace mimora {

/** The picture formats the canvas shows, told apart by their first bytes. */
enum class PictureFormat
{
    None,
    Jpeg,
    Bmp,
    Png,
    Gif,
    Icon,
    Cursor,
    Pcx256,
    PcxMono
};

/**
 * Recognises a picture by its first bytes, never by a file name.
 *
 * The signatures are tried in a fixed order (JPEG, BMP, PNG, GIF, icon, cursor, PCX 256 colours,
 * PCX black and white); data of 5 bytes or fewer is never a picture.
 */
PictureFormat RecognisePicture(const QByteArray &data);

} // namespace mimora
