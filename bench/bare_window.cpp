// The baseline: a bare Qt Widgets window with one child, ended after its first frame.
#include "FirstFrameQuit.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.installEventFilter(new FirstFrameQuit(QStringLiteral("child")));
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(636, 450);
    QLabel child(QStringLiteral("hello"), &window);
    child.setObjectName(QStringLiteral("child"));
    window.show();
    return QApplication::exec();
}
