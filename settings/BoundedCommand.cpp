#include "BoundedCommand.h"

#include "BoundedTool.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

namespace BoundedCommand {

namespace {

// Enough for every tool the About page and the shipping variant ask at
// once, so that one tool that hangs does not hold back the others.
constexpr int kToolThreads = 8;

QThreadPool *toolThreads()
{
    static QPointer<QThreadPool> pool;
    if (!pool) {
        // Goes with the application, which waits for the tools still running.
        pool = new QThreadPool(QCoreApplication::instance());
        pool->setMaxThreadCount(kToolThreads);
    }
    return pool;
}

} // namespace

void start(QObject *owner, const QString &program, const QStringList &arguments,
           std::function<void(QByteArray output)> done, int msecs)
{
    toolThreads()->start(
        [owner = QPointer<QObject>(owner), program, arguments, done = std::move(done), msecs] {
            const QByteArray output = BoundedTool::run(program, arguments, msecs).output;
            QCoreApplication *application = QCoreApplication::instance();
            if (!application)
                return;
            // The owner is checked on its own thread, where it may be destroyed.
            QMetaObject::invokeMethod(
                application,
                [owner, done, output] {
                    if (owner)
                        done(output);
                },
                Qt::QueuedConnection);
        });
}

} // namespace BoundedCommand
