// Preloaded into the program (LD_PRELOAD) to stand for a system that sends
// no link messages, as a sandbox that forbids netlink sockets: opening one
// fails as where the family is not built in, so the program polls its link.
// Every other socket is the real one.

#include <dlfcn.h>
#include <sys/socket.h>

#include <cerrno>

extern "C" int socket(int domain, int type, int protocol)
{
    if (domain == AF_NETLINK) {
        errno = EAFNOSUPPORT;
        return -1;
    }
    using Socket = int (*)(int, int, int);
    static const auto real = reinterpret_cast<Socket>(::dlsym(RTLD_NEXT, "socket"));
    if (!real) {
        errno = ENOSYS;
        return -1;
    }
    return real(domain, type, protocol);
}
