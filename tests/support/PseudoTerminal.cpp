#include "PseudoTerminal.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <stdexcept>

#include <QCoreApplication>
#include <QElapsedTimer>

PseudoTerminal::PseudoTerminal()
{
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw);
    if (openpty(&master_, &slave_, name, &raw, nullptr) != 0)
        throw std::runtime_error("openpty failed");
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    slavePath_ = name;
}

PseudoTerminal::~PseudoTerminal()
{
    close(slave_);
    Hangup();
}

void PseudoTerminal::Hangup()
{
    if (master_ >= 0)
        close(master_);
    master_ = -1;
}

void PseudoTerminal::EchoLikeAUsersTerminal()
{
    termios line{};
    tcgetattr(slave_, &line);
    line.c_lflag |= ICANON | ECHO | ISIG;
    if (tcsetattr(slave_, TCSANOW, &line) != 0)
        throw std::runtime_error("tcsetattr failed");
}

void PseudoTerminal::Send(const std::vector<uint8_t>& bytes)
{
    if (write(master_, bytes.data(), bytes.size()) != ssize_t(bytes.size()))
        throw std::runtime_error("pty write failed");
}

std::vector<uint8_t> PseudoTerminal::Receive(int waitMs)
{
    std::vector<uint8_t> got;
    QElapsedTimer clock;
    clock.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        uint8_t chunk[256];
        const ssize_t n = read(master_, chunk, sizeof chunk);
        if (n > 0)
            got.insert(got.end(), chunk, chunk + n);
    } while (clock.elapsed() < waitMs);
    return got;
}
