#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <QSerialPort>

// Why a port could not be used, in words a user can act on; empty when it opened.
struct PortOpenResult {
    bool ok = true;
    std::string diagnostic;
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
    void Close();
    bool IsOpen() const;

    // Hands the whole frame to the system before returning, so frames never interleave.
    void Write(const std::vector<uint8_t>& frame);
    size_t BytesWaiting() const;
    std::vector<uint8_t> ReadAll();
    void Purge();
    void PurgeReceive();

private:
    bool Configure();

    QSerialPort port_;
};
