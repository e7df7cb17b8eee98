#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

// CupsSupport's exchanges with the CUPS scheduler. They live in the module
// libCupsSupportScheduler.so, the only part that links libcups (and with it
// GnuTLS, Kerberos and Avahi), loaded on the first exchange: programs that
// never touch a print queue, such as the settings command line, start
// without loading and initialising those libraries.
namespace CupsQueue {

using Options = QHash<QByteArray, QString>;
using Changes = QList<QPair<QByteArray, QString>>;

struct Defaults
{
    bool available = false; // the scheduler knew the queue
    Options options;        // the queue's defaults incl. lpoptions
    Options ppdDefaults;    // DefaultXxx choices of the PPD
};

// The queue's defaults; not available when the scheduler or the queue is not.
Defaults read(const QByteArray &queue);

// Starts reading the queue's defaults in the background; the next read of
// the same queue takes them instead of asking the scheduler again. Loading
// libcups and the exchange then overlap the window's start-up.
void prefetch(const QByteArray &queue);

// Adds the changes to the queue's defaults in one exchange. On success,
// `stored` receives the queue's defaults as written.
bool write(const QByteArray &queue, const Changes &changes, Options &stored);

// The module's entries, called through the functions above.
using ReadEntry = Defaults (*)(const QByteArray &queue);
using WriteEntry = bool (*)(const QByteArray &queue, const Changes &changes, Options &stored);
constexpr char moduleFileName[] = "libCupsSupportScheduler.so";
constexpr char readEntryName[] = "vhCupsQueueRead";
constexpr char writeEntryName[] = "vhCupsQueueWrite";

} // namespace CupsQueue
