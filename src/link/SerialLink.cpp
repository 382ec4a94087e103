#include "link/SerialLink.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <poll.h>
#include <termios.h>
#endif

namespace {

Message Describe(const std::string& devicePath, QSerialPort::SerialPortError error, const QString& systemText)
{
    const std::string detail = systemText.toLocal8Bit().toStdString();
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return {MessageId::PortMissing, {devicePath, detail}};
    case QSerialPort::PermissionError:
        return {MessageId::PortBusyOrDenied, {devicePath, detail}};
    case QSerialPort::OpenError:
        return {MessageId::PortAlreadyOpen, {devicePath}};
    default:
        return {MessageId::PortUnusable, {devicePath, detail}};
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
