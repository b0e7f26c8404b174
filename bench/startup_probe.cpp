// The real start-up, ended after the first frame that shows the canvas.
#include "FirstFrameQuit.h"
#include "app/Application.h"

#include <QCoreApplication>

static void InstallQuitter()
{
    qApp->installEventFilter(new FirstFrameQuit(QStringLiteral("图片框1")));
}
Q_COREAPP_STARTUP_FUNCTION(InstallQuitter)

int main(int argc, char **argv)
{
    return mimora::RunApplication(argc, argv);
}
