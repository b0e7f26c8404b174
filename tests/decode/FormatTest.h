#pragma once

#include <QObject>

namespace mimora {

/** Recognition by first bytes and what each format family must get right beyond its size. */
class FormatTest : public QObject
{
    Q_OBJECT

private slots:
    void recognition_data();
    void recognition();
    void pcxPixels_data();
    void pcxPixels();
    void pcxRefused_data();
    void pcxRefused();
    void fuzzFinds_data();
    void fuzzFinds();
    void exifOrientationTurnsPixels();
    void exifOrientationSwapsSize();
    void gifDelays();
    void gifFramesComposedOnScreen();
    void animationMemoryBounded();
};

} // namespace mimora
