#include "RadioProcess.h"

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int StartupWaitMs = 5000;

std::string ReadLine(int fd)
{
    std::string line;
    char c;
    pollfd readable{fd, POLLIN, 0};
    while (poll(&readable, 1, StartupWaitMs) > 0 && read(fd, &c, 1) == 1 && c != '\n')
        line.push_back(c);
    return line;
}

}

std::string RadioBinary()
{
    const char* dir = std::getenv("KR_T27_BIN");
    if (dir && *dir)
        return std::string(dir) + "/kr-t27-radio";
    char self[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    const std::string exe(self, n > 0 ? size_t(n) : 0);
    return exe.substr(0, exe.rfind('/') + 1) + "kr-t27-radio";
}

std::string MakeTempDir()
{
    char pattern[] = "/tmp/kr-radio-test-XXXXXX";
    return mkdtemp(pattern) ? pattern : "/tmp";
}

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

RadioProcess::RadioProcess(const std::string& linkPath, const std::vector<std::string>& extraArguments)
{
    std::vector<std::string> arguments = {RadioBinary(), "--link", linkPath};
    arguments.insert(arguments.end(), extraArguments.begin(), extraArguments.end());
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (pid > 0)
        announced = ReadLine(out[0]);
    close(out[0]);
}

RadioProcess::~RadioProcess() { Stop(); }

int RadioProcess::Stop()
{
    if (pid <= 0)
        return -1;
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

LinkClient::LinkClient(const std::string& path) : fd(open(path.c_str(), O_RDWR | O_NOCTTY))
{
    termios settings{};
    if (fd < 0 || tcgetattr(fd, &settings) != 0)
        return;
    cfmakeraw(&settings);
    cfsetspeed(&settings, B9600);
    tcsetattr(fd, TCSANOW, &settings);
    tcflush(fd, TCIOFLUSH);
}

LinkClient::~LinkClient()
{
    if (fd >= 0)
        close(fd);
}

void LinkClient::Send(const std::vector<uint8_t>& bytes)
{
    if (fd >= 0 && !bytes.empty())
        (void)!write(fd, bytes.data(), bytes.size());
}

std::vector<uint8_t> LinkClient::Receive(size_t count, int waitMs)
{
    std::vector<uint8_t> received;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (received.size() < count && fd >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd readable{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&readable, 1, int(left.count())) <= 0)
            break;
        uint8_t buffer[512];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        received.insert(received.end(), buffer, buffer + n);
    }
    return received;
}

std::vector<uint8_t> LinkClient::Exchange(const std::vector<uint8_t>& bytes, size_t count, int waitMs)
{
    Send(bytes);
    return Receive(count, waitMs);
}
