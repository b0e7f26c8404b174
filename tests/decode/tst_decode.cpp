#include "CorpusTest.h"
#include "DroppedFileTest.h"
#include "FormatTest.h"

#include <QGuiApplication>
#include <QTest>

// Runs the decode test classes in turn; non-zero when any of them failed.
int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    int failures = 0;
    {
        mimora::CorpusTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        mimora::FormatTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        mimora::DroppedFileTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
