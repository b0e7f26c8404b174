// UTF-8 text to GBK bytes and back, the conversion the byte-counting rules rely on.
#include "caption/Gbk.h"

#include <QtTest>

using namespace mimora;

class GbkTest : public QObject
{
    Q_OBJECT
private slots:
    void toGbk_data();
    void toGbk();
    void fromGbkReplacesBadBytes_data();
    void fromGbkReplacesBadBytes();
};

void GbkTest::toGbk_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("gbk");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("ascii") << QStringLiteral("Tarvik 12") << QByteArray("Tarvik 12");
    QTest::newRow("宋体") << QStringLiteral("宋体") << QByteArray("\xCB\xCE\xCC\xE5");
    QTest::newRow("full-width digits") << QStringLiteral("１２") << QByteArray("\xA3\xB1\xA3\xB2");
    QTest::newRow("ideographic space") << QStringLiteral("\u3000") << QByteArray("\xA1\xA1");
    QTest::newRow("not in GBK, rest kept")
        << QStringLiteral("a\U0001F600b中") << QByteArray("a?b\xD6\xD0");
}

void GbkTest::toGbk()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, gbk);
    QCOMPARE(ToGbk(text), gbk);
    if (!gbk.contains('?'))
        QCOMPARE(FromGbk(gbk), text);
}

void GbkTest::fromGbkReplacesBadBytes_data()
{
    QTest::addColumn<QByteArray>("gbk");
    QTest::addColumn<QString>("text");
    QTest::newRow("lone lead byte at the end")
        << QByteArray("12\xD6") << QStringLiteral("12\uFFFD");
    QTest::newRow("invalid lead, next kept") << QByteArray("\xFF"
                                                           "a\xD6\xD0")
                                             << QStringLiteral("\uFFFDa中");
}

void GbkTest::fromGbkReplacesBadBytes()
{
    QFETCH(QByteArray, gbk);
    QFETCH(QString, text);
    QCOMPARE(FromGbk(gbk), text);
}

QTEST_APPLESS_MAIN(GbkTest)
#include "tst_caption_gbk.moc"
