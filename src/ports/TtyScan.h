#pragma once

#include <optional>
#include <string>
#include <vector>

namespace TeskComm32 {

// The serial ttys under a /sys/class/tty directory, in the order they are numbered: USB serial
// adapters (ttyUSB), then USB modems and CDC-ACM cables (ttyACM), then on-board UARTs (ttyS),
// each family by device number. Nothing when the directory cannot be read.
//
// The kernel creates ttyS0 to ttyS31 whether or not a UART sits behind them. A ttyS counts only
// when its "type" attribute names a UART (non-zero) or, without that attribute, when a driver
// other than the serial8250 placeholder claims it.
std::optional<std::vector<std::string>> SerialTtyNames(const std::string& sysClassTty);

// What the adapter behind a tty calls itself, for a person choosing a port: the USB device's
// manufacturer and product strings, with the kernel driver that serves it ("Prolific Technology
// Inc. USB-Serial Controller (pl2303)"). Empty for a tty that no USB device stands behind, such
// as an on-board UART, and when sysfs cannot be read.
std::string AdapterName(const std::string& sysClassTty, const std::string& ttyName);

}
