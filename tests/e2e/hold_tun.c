/* Stands in for pppd in the end-to-end tests: creates a point-to-point tun
 * interface (ppp0 unless named), brings it up and holds it until killed. The
 * interface reads as running only while this process keeps its fd open, and
 * it vanishes when the process ends, as a dial-up link does when it hangs up.
 * Prints "up" once the link is up. */
#include <errno.h>
#include <fcntl.h>
#include <linux/if_tun.h>
#include <net/if.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

static volatile sig_atomic_t stop;

static void on_signal(int sig)
{
    (void)sig;
    stop = 1;
}

static int fail(const char *what)
{
    fprintf(stderr, "hold_tun: %s: %s\n", what, strerror(errno));
    return 1;
}

int main(int argc, char **argv)
{
    const char *name = argc > 1 ? argv[1] : "ppp0";
    struct ifreq ifr;
    memset(&ifr, 0, sizeof ifr);
    if (strlen(name) >= sizeof ifr.ifr_name) {
        fprintf(stderr, "hold_tun: interface name too long\n");
        return 2;
    }
    strcpy(ifr.ifr_name, name);
    ifr.ifr_flags = IFF_TUN | IFF_NO_PI;

    int tun = open("/dev/net/tun", O_RDWR | O_CLOEXEC);
    if (tun < 0)
        return fail("/dev/net/tun");
    if (ioctl(tun, TUNSETIFF, &ifr) < 0)
        return fail("TUNSETIFF");

    int sock = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (sock < 0)
        return fail("socket");
    if (ioctl(sock, SIOCGIFFLAGS, &ifr) < 0)
        return fail("SIOCGIFFLAGS");
    ifr.ifr_flags |= IFF_UP;
    if (ioctl(sock, SIOCSIFFLAGS, &ifr) < 0)
        return fail("SIOCSIFFLAGS");
    close(sock);

    struct sigaction sa;
    memset(&sa, 0, sizeof sa);
    sa.sa_handler = on_signal;
    sigaction(SIGTERM, &sa, NULL);
    sigaction(SIGINT, &sa, NULL);
    sigaction(SIGHUP, &sa, NULL);

    printf("up\n");
    fflush(stdout);
    while (!stop)
        pause();
    close(tun);
    return 0;
}
