// vh-socketflood PATH COUNT: opens COUNT idle connections to the local
// socket at PATH, prints how many connected, and holds them until its
// standard input closes. A process of its own, so that the flood does not
// spend the file descriptors of the server under test.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PATH COUNT\n", argv[0]);
        return 2;
    }
    const int count = std::atoi(argv[2]);
    rlimit files{};
    getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = files.rlim_max;
    setrlimit(RLIMIT_NOFILE, &files);

    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, argv[1], sizeof(address.sun_path) - 1);
    int connected = 0;
    for (int i = 0; i < count; ++i) {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd >= 0 && connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0)
            ++connected;
    }
    std::printf("%d\n", connected);
    std::fflush(stdout);

    char byte;
    while (read(STDIN_FILENO, &byte, 1) > 0) { }
    return 0;
}
