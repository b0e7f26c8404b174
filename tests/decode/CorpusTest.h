#pragma once

#include <QObject>

namespace mimora {

/** Every picture of the corpus against its manifest row, and the size limit on every format. */
class CorpusTest : public QObject
{
    Q_OBJECT

private slots:
    void manifestCoversCorpus();
    void corpusFile_data();
    void corpusFile();
    void pixelLimitFromHeader_data();
    void pixelLimitFromHeader();
    void bombsRefusedQuickly_data();
    void bombsRefusedQuickly();
};

} // namespace mimora
