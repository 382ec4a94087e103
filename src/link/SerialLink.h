#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <QSerialPort>

#include "lang/Messages.h"

// Why a port could not be used, for the interface to word so a user can act on it.
struct PortOpenResult {
    bool ok = true;
    Message problem;
};

// The link's line: 9600 baud, 8 data bits, no parity, one stop bit, DTR and RTS on. Every other
// setting stays as the port reports it.
constexpr qint32 LinkBaudRate = 9600;
constexpr qint64 LinkQueueSize = 1024;

// The serial port the radio is on. It only opens, configures and moves bytes; when and what to
// send is decided by the protocol.
class SerialLink {
public:
    SerialLink();
    ~SerialLink();
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // Opens the device, applies the line settings and purges both queues. Closes it again when
    // any of that fails.
    PortOpenResult Open(const std::string& devicePath);
    // Waits until every byte written has left the port, then closes it: closing puts back the
    // port's earlier line settings, and a byte still queued would go out at the wrong speed.
    void Close();
    bool IsOpen() const;

    // Hands the whole frame to the system before returning, so frames never interleave.
    void Write(const std::vector<uint8_t>& frame);
    size_t BytesWaiting() const;
    std::vector<uint8_t> ReadAll();
    void Purge();
    void PurgeReceive();

    // Called once when the open port vanishes (a cable pulled, a pseudo-terminal's other end
    // closed). The port is closed by then: the system would otherwise keep reporting the dead
    // descriptor as readable and the one thread would spin.
    void SetOnLost(std::function<void()> lost) { onLost_ = std::move(lost); }

private:
    bool Configure();
    void PortError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    std::function<void()> onLost_;
};
