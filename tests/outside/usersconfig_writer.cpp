// Adds one account to an account file with the file size limit set to
// LIMIT bytes, so that the kernel kills the process (SIGXFSZ) in the middle
// of writing anything larger: a crash at the worst moment, on demand.
//
// Usage: usersconfig_writer ACCOUNT_FILE LIMIT NAME PASSWORD

#include "AccountStore.h"

#include <QCoreApplication>

#include <sys/resource.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    const rlim_t limit = args.at(2).toULongLong();
    const rlimit fileSize{limit, limit};
    setrlimit(RLIMIT_FSIZE, &fileSize);

    AccountStore store(args.at(1));
    return store.addUser(args.at(3), args.at(4), args.at(4));
}
