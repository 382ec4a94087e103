#include "radio/PseudoTerminal.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

std::string SystemError(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

// Raw 8N1 at the link's speed, so that no byte is translated or held back by the line discipline.
bool MakeRaw(int fd)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        return false;
    cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    return tcsetattr(fd, TCSANOW, &settings) == 0;
}

}

PseudoTerminal::~PseudoTerminal()
{
    if (slave >= 0)
        close(slave);
    if (master >= 0)
        close(master);
}

std::string PseudoTerminal::Open()
{
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
        return SystemError("openpty");
    slavePath = name;
    if (!MakeRaw(slave) || !MakeRaw(master))
        return SystemError("raw mode");
    const int flags = fcntl(master, F_GETFL);
    if (flags < 0 || fcntl(master, F_SETFL, flags | O_NONBLOCK) != 0)
        return SystemError("non-blocking master");
    return {};
}
