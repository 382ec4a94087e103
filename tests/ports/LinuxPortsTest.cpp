#include <gtest/gtest.h>

#include <map>

#include "FakeDeviceTree.h"
#include "ports/SerialPortInfo.h"
#include "ports/TtyScan.h"

namespace {

using TeskComm32::DevicePathOf;
using TeskComm32::PortLookup;
using TeskComm32::TCommSerialPortInfo;
using Names = std::vector<std::string>;

// A machine with two USB adapters, a CDC cable, consoles, one real UART, and the kernel's
// placeholder UARTs that have no hardware behind them.
void AddTypicalMachine(FakeDeviceTree& tree)
{
    tree.AddTty("tty0");
    tree.AddTty("console");
    tree.AddTty("ttyS0", "4", "port");
    tree.AddTty("ttyS1", "0", "port");
    tree.AddTty("ttyS2", "", "serial8250");
    tree.AddTty("ttyS3", "", "dw-apb-uart");
    tree.AddTty("ttyS4");
    tree.AddTty("ttyUSB10");
    tree.AddTty("ttyUSB2");
    tree.AddTty("ttyACM0");
    tree.AddTty("ttyUSBx");
}

TEST(TtyScan, OrdersUsbThenAcmThenRealUartsByDeviceNumber)
{
    FakeDeviceTree tree;
    AddTypicalMachine(tree);
    EXPECT_EQ(TeskComm32::SerialTtyNames(tree.Path("sys/class/tty")),
              (Names{"ttyUSB2", "ttyUSB10", "ttyACM0", "ttyS0", "ttyS3"}));
}

TEST(TtyScan, UnreadableDirectoryGivesNothing)
{
    FakeDeviceTree tree;
    EXPECT_FALSE(TeskComm32::SerialTtyNames(tree.Path("no/such/dir")));
}

TEST(LinuxPorts, DetectedPortsAreNumberedFromOne)
{
    FakeDeviceTree tree;
    AddTypicalMachine(tree);
    const PortLookup ports = tree.Lookup();
    const TCommSerialPortInfo info(ports);
    EXPECT_TRUE(info.FromSystem);
    EXPECT_EQ(info.PortList, (Names{"COM1", "COM2", "COM3", "COM4", "COM5"}));
    EXPECT_EQ(DevicePathOf("COM1", ports), tree.DevPath("ttyUSB2"));
    EXPECT_EQ(DevicePathOf("com2", ports), tree.DevPath("ttyUSB10"));
    EXPECT_EQ(DevicePathOf("COM3", ports), tree.DevPath("ttyACM0"));
    EXPECT_EQ(DevicePathOf("COM4", ports), tree.DevPath("ttyS0"));
    EXPECT_EQ(DevicePathOf("COM5", ports), tree.DevPath("ttyS3"));
}

TEST(LinuxPorts, MachineWithoutSerialPortsGetsTheFallback)
{
    FakeDeviceTree tree;
    tree.AddTty("tty0");
    tree.AddTty("ttyS0", "0");
    const PortLookup ports = tree.Lookup();
    const TCommSerialPortInfo info(ports);
    EXPECT_FALSE(info.FromSystem);
    EXPECT_EQ(info.PortList, (Names{"COM1", "COM2", "COM3", "COM4"}));
    EXPECT_EQ(DevicePathOf("COM1", ports), "");
}

TEST(LinuxPorts, PinnedPortsKeepTheirNumbersAndAreNotListedTwice)
{
    FakeDeviceTree tree;
    AddTypicalMachine(tree);
    const std::string byId = tree.AddLink("dev/serial/by-id/usb-cable-if00", tree.DevPath("ttyACM0"));
    const std::string radio = tree.AddFile("radio-link");
    const PortLookup ports = tree.Lookup({{2, byId}, {5, tree.Path("absent")}, {12, radio}});

    const TCommSerialPortInfo info(ports);
    EXPECT_EQ(info.PortList, (Names{"COM1", "COM2", "COM3", "COM4", "COM6", "COM12"}));
    EXPECT_EQ(DevicePathOf("COM1", ports), tree.DevPath("ttyUSB2"));
    EXPECT_EQ(DevicePathOf("COM2", ports), byId);
    EXPECT_EQ(DevicePathOf("COM3", ports), tree.DevPath("ttyUSB10"));
    EXPECT_EQ(DevicePathOf("COM4", ports), tree.DevPath("ttyS0"));
    EXPECT_EQ(DevicePathOf("COM5", ports), "");
    EXPECT_EQ(DevicePathOf("COM6", ports), tree.DevPath("ttyS3"));
    EXPECT_EQ(DevicePathOf("COM12", ports), radio);
}

TEST(LinuxPorts, PinnedPortVanishesWithItsPathButKeepsItsNumberFree)
{
    FakeDeviceTree tree;
    tree.AddTty("ttyUSB0");
    const std::string dangling = tree.AddLink("dev/serial/by-id/gone", tree.Path("dev/ttyUSB7"));
    const PortLookup ports = tree.Lookup({{1, dangling}});
    const TCommSerialPortInfo info(ports);
    EXPECT_EQ(info.PortList, (Names{"COM2"}));
    EXPECT_EQ(DevicePathOf("COM2", ports), tree.DevPath("ttyUSB0"));
}

TEST(LinuxPorts, PinnedPortsAreListedWithoutSysfs)
{
    FakeDeviceTree tree;
    const std::string radio = tree.AddFile("radio-link");
    tree.RemoveSysfs();
    const TCommSerialPortInfo info(tree.Lookup({{3, radio}}));
    EXPECT_TRUE(info.FromSystem);
    EXPECT_EQ(info.PortList, (Names{"COM3"}));
}

TEST(LinuxPorts, InvalidPinsAreIgnored)
{
    FakeDeviceTree tree;
    tree.AddTty("ttyUSB0");
    const std::string radio = tree.AddFile("radio-link");
    const PortLookup ports = tree.Lookup({{0, radio}, {-3, radio}, {4, ""}});
    const TCommSerialPortInfo info(ports);
    EXPECT_EQ(info.PortList, (Names{"COM1"}));
    EXPECT_EQ(DevicePathOf("COM1", ports), tree.DevPath("ttyUSB0"));
}

// A dealer's bench may pin a port for every radio it ever met: the list stays right at any length.
TEST(LinuxPorts, ThousandsOfPinnedPortsAreListedWithTheirDevices)
{
    FakeDeviceTree tree;
    tree.AddTty("ttyUSB0");
    constexpr int Pins = 2000;
    std::map<int, std::string> pins;
    Names expectedNames, expectedPaths;
    for (int number = 1; number <= Pins; ++number) {
        pins[number * 2] = tree.AddFile("radio-" + std::to_string(number));
        expectedNames.push_back("COM" + std::to_string(number * 2));
        expectedPaths.push_back(pins[number * 2]);
    }
    const PortLookup ports = tree.Lookup(pins);
    expectedNames.insert(expectedNames.begin(), "COM1");
    expectedPaths.insert(expectedPaths.begin(), tree.DevPath("ttyUSB0"));

    const TCommSerialPortInfo info(ports);
    EXPECT_EQ(info.PortList, expectedNames);
    EXPECT_EQ(TeskComm32::DevicePathsOf(info.PortList, ports), expectedPaths);
}

TEST(DevicePathOf, DevicePathsPassUnchanged)
{
    FakeDeviceTree tree;
    const PortLookup ports = tree.Lookup();
    EXPECT_EQ(DevicePathOf("/dev/pts/3", ports), "/dev/pts/3");
    EXPECT_EQ(DevicePathOf("/tmp/radio", ports), "/tmp/radio");
    EXPECT_EQ(TeskComm32::DevicePathsOf({"/tmp/radio", "COM9"}, ports), (Names{"/tmp/radio", ""}));
}

// Beside the device, the adapter as its maker names it, whichever path leads to it; nothing where
// no USB device stands behind the tty.
TEST(LinuxPorts, PortsNameTheAdapterBehindThem)
{
    FakeDeviceTree tree;
    tree.AddUsbTty("ttyUSB0", "Prolific Technology Inc.", "USB-Serial Controller", "pl2303");
    tree.AddUsbTty("ttyUSB1", "", "USB Serial", "ch341-uart");
    tree.AddUsbTty("ttyUSB2", "FTDI", "FTDI FT232R", "ftdi_sio");
    tree.AddTty("ttyS0", "4", "port");
    const std::string byId = tree.AddLink("dev/serial/by-id/usb-prolific", tree.DevPath("ttyUSB0"));
    const PortLookup ports = tree.Lookup({{9, byId}});

    const std::vector<TeskComm32::PortDetails> details =
        TeskComm32::PortDetailsOf({"COM1", "COM2", "COM3", "COM9", "COM7"}, ports);
    const struct {
        std::string path;
        std::string adapter;
    } expected[] = {
        {tree.DevPath("ttyUSB1"), "USB Serial (ch341-uart)"},
        {tree.DevPath("ttyUSB2"), "FTDI FT232R (ftdi_sio)"},
        {tree.DevPath("ttyS0"), ""},
        {byId, "Prolific Technology Inc. USB-Serial Controller (pl2303)"},
        {"", ""},
    };
    ASSERT_EQ(details.size(), std::size(expected));
    for (size_t i = 0; i < details.size(); ++i) {
        EXPECT_EQ(details[i].Path, expected[i].path) << i;
        EXPECT_EQ(details[i].Adapter, expected[i].adapter) << i;
    }
}

}
