#include "app/MainWindow.h"

#include "app/CanvasHandlers.h"
#include "app/ProgramGlobals.h"
#include "app/Version.h"
#include "app/WindowBuilder.h"
#include "app/WindowLayout.h"
#include "canvas/CanvasView.h"
#include "canvas/FileDropTarget.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QScreen>

namespace mimora {

MainWindow::MainWindow(ProgramGlobals &globals, QWidget *parent)
    : QWidget(parent), m_globals(globals), m_controls(BuildControls(this)),
      m_dragger(globals.dragState, m_controls.caption, this)
{
    setUpWindow();
    wireHandlers();
    // Built completely: from here on events reach their handlers.
    m_rules.open();
}

void MainWindow::setUpWindow()
{
    setWindowTitle(QString::fromLatin1(kApplicationName));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    const QRect screen = QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->geometry()
                             : QRect(0, 0, kWindowClientWidth, kWindowClientHeight);
    setGeometry(screen.x() + (screen.width() - kWindowClientWidth) / 2,
                screen.y() + (screen.height() - kWindowClientHeight) / 2, kWindowClientWidth,
                kWindowClientHeight);
    setFixedSize(kWindowClientWidth, kWindowClientHeight);

    // Esc closes the window whichever control has the focus.
    qApp->installEventFilter(this);
}

void MainWindow::InitMainWindow()
{
    const Controls &c = m_controls;
    c.dropTarget->bind(c.canvas);
    m_rules.writeContent(c.widthEdit, QStringLiteral("192"));
    m_rules.writeContent(c.heightEdit, QStringLiteral("40"));
    c.canvas->setStretched(true);
    m_rules.writeChecked(c.boldBox, true);
    m_rules.writeSelection(c.templateList, 0);
    ApplyTemplate(c);
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    // A drag whose release never arrived (the grab was taken away) ends here.
    if (m_dragger.isDragging() && !event->buttons().testFlag(Qt::LeftButton)) {
        m_dragger.end();
        return;
    }
    emit mouseMoved(p.x(), p.y());
}

void MainWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint p = event->position().toPoint();
        emit leftReleased(p.x(), p.y());
    }
}

void MainWindow::changeEvent(QEvent *event)
{
    // Another program took the pointer away mid-drag: end the drag.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && m_dragger.isDragging())
        m_dragger.end();
    QWidget::changeEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        const auto held =
            key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
        if (key->key() == Qt::Key_Escape && held == Qt::NoModifier && widget &&
            widget->window() == this) {
            close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace mimora
