// A second reference: a bare window that shows text in the three CJK faces Mimora's
// first frame needs (sans, sans bold, serif), ended after its first frame. What it costs
// over bare_window is the price of the fonts alone.
#include "FirstFrameQuit.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.installEventFilter(new FirstFrameQuit(QStringLiteral("child")));
    QWidget window;
    window.setWindowTitle(QStringLiteral("cjk"));
    window.resize(636, 450);
    QLabel sans(QStringLiteral("图片宽度"), &window);
    QLabel bold(QStringLiteral("这里显示文字"), &window);
    bold.move(0, 40);
    QFont boldFont(QStringLiteral("Noto Sans CJK SC"));
    boldFont.setBold(true);
    bold.setFont(boldFont);
    QLabel serif(QStringLiteral("放大+"), &window);
    serif.move(0, 80);
    serif.setFont(QFont(QStringLiteral("Noto Serif CJK SC")));
    serif.setObjectName(QStringLiteral("child"));
    window.show();
    return QApplication::exec();
}
