#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

// Ends the process right after the first paint of the widget named `name` has been
// delivered, so a whole process run measures start-up to the first frame.
class FirstFrameQuit : public QObject
{
public:
    explicit FirstFrameQuit(QString name) : m_name(std::move(name)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen && watched->objectName() == m_name &&
            watched->isWidgetType()) {
            m_seen = true;
            // After this paint has reached the window's backing store.
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    QString m_name;
    bool m_seen = false;
};
