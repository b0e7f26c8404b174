#pragma once

#include "app/Controls.h"
#include "app/EventRules.h"
#include "caption/CaptionDragger.h"

#include <QWidget>

namespace mimora {

struct ProgramGlobals;

/**
 * The main window: its fixed layout, the wiring of every handled event to its
 * handler, and the start-up duties that run before it is first shown.
 */
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(ProgramGlobals &globals, QWidget *parent = nullptr);

    /** The start-up duties, in order; run once before the window is shown. */
    void InitMainWindow();

    const Controls &controls() const { return m_controls; }
    EventRules &rules() { return m_rules; }

signals:
    /** The pointer moved over the window's bare client area or while it holds the grab. */
    void mouseMoved(int x, int y);
    void leftReleased(int x, int y);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUpWindow();
    void wireHandlers();

    ProgramGlobals &m_globals;
    EventRules m_rules;
    Controls m_controls;
    CaptionDragger m_dragger;
};

} // namespace mimora
