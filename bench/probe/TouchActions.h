#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QStringList>

#include <functional>

class QQuickItem;
class QQuickWindow;
class QTouchDevice;

// What a finger does on the settings window, run on the GUI thread: items
// are found by objectName and touched at their centre with synthesized touch
// events, through the window's own event delivery. Each action reports
// "ok", a value, or "error <why>" through its callback once it is over.
class TouchActions : public QObject
{
    Q_OBJECT
public:
    using Done = std::function<void(const QString &)>;

    explicit TouchActions(QObject *parent = nullptr);

    // command: {verb, objectName, argument}; see ProbeServer for the verbs.
    void run(const QStringList &command, const Done &done);

private:
    void tap(const QString &name, const Done &done);
    void select(const QString &name, int index, const Done &done);
    void slide(const QString &name, double value, const Done &done);
    void type(const QString &name, const QString &text, const Done &done);
    void get(const QString &name, const QString &property, const Done &done);

    // Calls `then` with the visible, enabled item once there is one, or
    // reports that there was none in time.
    void whenTouchable(const QString &name, const std::function<void(QQuickItem *)> &then, const Done &done);
    // Polls `ready` on the event loop until it holds or the deadline passes.
    void when(const std::function<bool()> &ready, QDeadlineTimer deadline, const std::function<void()> &then,
              const std::function<void()> &timedOut);

    void touchAt(QQuickItem *item, const QPointF &local, const std::function<void()> &then);
    void drag(const QList<QPointF> &scenePoints, const std::function<void()> &then);

    QQuickWindow *window() const;
    QQuickItem *find(const QString &name) const;
    static void scrollIntoView(QQuickItem *item);

    QTouchDevice *m_device = nullptr;
};
