#include "BoundedTool.h"

#include <QDeadlineTimer>

#include <vector>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace BoundedTool {

namespace {

class Pipe
{
public:
    Pipe() { m_ok = ::pipe2(m_fds, O_CLOEXEC) == 0; }
    ~Pipe()
    {
        closeWriteEnd();
        if (m_ok)
            ::close(m_fds[0]);
    }
    Pipe(const Pipe &) = delete;
    Pipe &operator=(const Pipe &) = delete;

    bool isOk() const { return m_ok; }
    int readEnd() const { return m_fds[0]; }
    int writeEnd() const { return m_fds[1]; }
    void closeWriteEnd()
    {
        if (m_ok && m_fds[1] >= 0)
            ::close(m_fds[1]);
        m_fds[1] = -1;
    }

private:
    int m_fds[2] = {-1, -1};
    bool m_ok = false;
};

pid_t spawn(const QString &program, const QStringList &arguments, int stdoutFd)
{
    std::vector<QByteArray> storage;
    storage.push_back(program.toLocal8Bit());
    for (const QString &argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    // The tool starts with no signal blocked and SIGPIPE at its default,
    // whatever this thread has.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = -1;
    if (posix_spawnp(&pid, argv.front(), &actions, &attributes, argv.data(), environ) != 0)
        pid = -1;
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Reads until the tool closes its output, the time is up or the limit is
// reached; says whether the output was read to its end.
bool collect(int fd, const QDeadlineTimer &deadline, QByteArray &output)
{
    char buffer[4096];
    while (output.size() < outputLimit) {
        pollfd readable{fd, POLLIN, 0};
        const int ready = ::poll(&readable, 1, int(deadline.remainingTime()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got == 0;
        output.append(buffer, int(qMin<qsizetype>(got, outputLimit - output.size())));
    }
    return false;
}

// Waits for the tool to end until the deadline; says whether it did.
bool reap(pid_t pid, const QDeadlineTimer &deadline)
{
    constexpr int kPollMsecs = 5;
    for (;;) {
        const pid_t done = ::waitpid(pid, nullptr, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR))
            return true;
        if (deadline.hasExpired())
            return false;
        ::usleep(kPollMsecs * 1000);
    }
}

} // namespace

Result run(const QString &program, const QStringList &arguments, int msecs)
{
    Result result;
    const QDeadlineTimer deadline(msecs);
    Pipe pipe;
    if (!pipe.isOk())
        return result;
    const pid_t pid = spawn(program, arguments, pipe.writeEnd());
    pipe.closeWriteEnd();
    if (pid < 0)
        return result;
    const bool readToEnd = collect(pipe.readEnd(), deadline, result.output);
    result.answered = readToEnd && reap(pid, deadline);
    if (!result.answered) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    return result;
}

} // namespace BoundedTool
