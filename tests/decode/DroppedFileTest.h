#pragma once

#include <QObject>
#include <QTemporaryDir>

namespace mimora {

/** Reading a dropped path: regular files only, bounded, never blocking. */
class DroppedFileTest : public QObject
{
    Q_OBJECT

private slots:
    void regularFileReadWhole();
    void refused_data();
    void refused();
    void sizeLimit();

private:
    QTemporaryDir m_dir;
};

} // namespace mimora
