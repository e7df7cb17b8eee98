#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;
class StallClock;
class TouchActions;

// The benchmark's line protocol on a local socket, served from the probe's
// own thread so that it answers while the GUI thread is stuck. Each request
// is "ID VERB [NAME [ARGUMENT]]", each answer "ID RESULT", in the order the
// answers are ready:
//   stall-reset         forget the stalls so far
//   stall               "<longest ms> <ongoing ms>" since the reset
//   tap NAME            touch the item's centre
//   select NAME INDEX   open a combo box and touch entry INDEX
//   slide NAME VALUE    drag a slider's handle to VALUE
//   type NAME TEXT      touch a text field, then type TEXT
//   get NAME PROPERTY   a property's value ("window" is the window itself)
// The last five run on the GUI thread and answer once they are over.
class ProbeServer : public QObject
{
    Q_OBJECT
public:
    ProbeServer(const QString &socketPath, StallClock *stalls, TouchActions *touch);

    // On the probe's thread.
    void listen();

private:
    void accept();
    void serve(QLocalSocket *client);

    QString m_socketPath;
    StallClock *m_stalls;
    TouchActions *m_touch;
    QLocalServer *m_server = nullptr;
};
