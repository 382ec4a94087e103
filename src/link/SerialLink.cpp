#include "link/SerialLink.h"

#include <cerrno>

#include "files/PlatformFile.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <poll.h>
#include <termios.h>
#endif

namespace {

// Qt reports a port in use and one the user may not open alike. The rights tell them apart; a
// Windows port refuses a second opener only.
int BusyOrDeniedError(const std::string& devicePath)
{
#ifdef _WIN32
    (void)devicePath;
    return EBUSY;
#else
    const int denied = platform::CheckWritable(devicePath);
    return denied != 0 ? denied : EBUSY;
#endif
}

// Qt words the system's reason in English only; as an error number the table words it in the
// interface language, as it does for files.
Message Describe(const std::string& devicePath, QSerialPort::SerialPortError error, const QString& systemText)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return {MessageId::PortMissing, {devicePath, MessageArg::Reason(ENOENT)}};
    case QSerialPort::PermissionError:
        return {MessageId::PortBusyOrDenied, {devicePath, MessageArg::Reason(BusyOrDeniedError(devicePath))}};
    case QSerialPort::OpenError:
        return {MessageId::PortAlreadyOpen, {devicePath}};
    default:
        return {MessageId::PortUnusable, {devicePath, systemText.toLocal8Bit().toStdString()}};
    }
}

// A pseudo-terminal has no modem lines, so switching them fails in exactly this way; the link
// works without them there.
bool ModemLineSet(QSerialPort& port, bool done)
{
    if (done)
        return true;
    if (port.error() != QSerialPort::UnsupportedOperationError)
        return false;
    port.clearError();
    return true;
}

// A device that went away reads as end of file, which Qt reports as a plain read error; only the
// hang-up flag tells it from a passing fault.
bool HasHungUp(QSerialPort& port)
{
#ifdef _WIN32
    (void)port;
    return false;
#else
    pollfd watched{port.handle(), POLLIN, 0};
    return poll(&watched, 1, 0) > 0 && (watched.revents & (POLLHUP | POLLERR | POLLNVAL));
#endif
}

bool IsLoss(QSerialPort& port, QSerialPort::SerialPortError error)
{
    return error == QSerialPort::ResourceError || (error == QSerialPort::ReadError && HasHungUp(port));
}

void DrainOutput(QSerialPort& port)
{
    port.flush();
#ifdef _WIN32
    FlushFileBuffers(port.handle());
#else
    tcdrain(port.handle());
#endif
}

}

SerialLink::SerialLink()
{
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                     [this](QSerialPort::SerialPortError error) { PortError(error); });
}

SerialLink::~SerialLink() { Close(); }

PortOpenResult SerialLink::Open(const std::string& devicePath)
{
    Close();
    port_.setPortName(QString::fromStdString(devicePath));
    port_.setReadBufferSize(LinkQueueSize);
    if (!port_.open(QIODevice::ReadWrite))
        return {false, Describe(devicePath, port_.error(), port_.errorString())};
    if (!Configure()) {
        PortOpenResult failed{false, Describe(devicePath, port_.error(), port_.errorString())};
        Close();
        return failed;
    }
    Purge();
    return {};
}

bool SerialLink::Configure()
{
    return port_.setBaudRate(LinkBaudRate) && port_.setDataBits(QSerialPort::Data8) &&
           port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::OneStop) &&
           ModemLineSet(port_, port_.setDataTerminalReady(true)) &&
           ModemLineSet(port_, port_.setRequestToSend(true));
}

void SerialLink::Close()
{
    if (!port_.isOpen())
        return;
    DrainOutput(port_);
    port_.close();
}

void SerialLink::PortError(QSerialPort::SerialPortError error)
{
    if (!port_.isOpen() || !IsLoss(port_, error))
        return;
    port_.close();
    if (onLost_)
        onLost_();
}

bool SerialLink::IsOpen() const { return port_.isOpen(); }

void SerialLink::Write(const std::vector<uint8_t>& frame)
{
    if (!port_.isOpen() || frame.empty())
        return;
    port_.write(reinterpret_cast<const char*>(frame.data()), qint64(frame.size()));
    port_.flush();
}

size_t SerialLink::BytesWaiting() const { return port_.isOpen() ? size_t(port_.bytesAvailable()) : 0; }

std::vector<uint8_t> SerialLink::ReadAll()
{
    if (!port_.isOpen())
        return {};
    const QByteArray bytes = port_.readAll();
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

void SerialLink::Purge()
{
    if (port_.isOpen())
        port_.clear(QSerialPort::AllDirections);
}

void SerialLink::PurgeReceive()
{
    if (port_.isOpen())
        port_.clear(QSerialPort::Input);
}
