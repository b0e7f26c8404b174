#include "app/Application.h"

#include "app/DisplayCheck.h"
#include "app/ExitRoutines.h"
#include "app/MainWindow.h"
#include "app/ProgramGlobals.h"
#include "app/Version.h"
#include "caption/LogFont.h"

#include <QApplication>

#include <cstdio>

namespace mimora {

int RunApplication(int argc, char **argv)
{
    const QString missing = MissingDisplayReason();
    if (!missing.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(missing));
        return -1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QApplication::setDesktopFileName(QStringLiteral("io.github.mimora.Mimora"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/mimora.svg")));
    InstallFaceSubstitutions();

    ProgramGlobals globals;
    CreateGlobals(globals);
    ExitRoutines exitRoutines;
    exitRoutines.add("ReleaseGlobals", [&globals] { ReleaseGlobals(globals); });

    int code = 0;
    {
        MainWindow window(globals);
        window.InitMainWindow();
        window.show();
        code = QApplication::exec();
    }
    exitRoutines.run();
    return code;
}

} // namespace mimora
