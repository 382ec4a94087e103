#include "ports/SerialPortInfo.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <numeric>
#include <utility>

#include "ports/SystemPorts.h"

namespace TeskComm32 {

namespace {

constexpr const char* PortPrefix = "COM";
constexpr size_t PortPrefixLength = 3;
constexpr int FallbackPortCount = 4;

}

TCommSerialPortInfo::TCommSerialPortInfo(PortLookup lookup) : lookup_(std::move(lookup)) { Refresh(); }

void TCommSerialPortInfo::Refresh()
{
    PortList.clear();
    FromSystem = false;
    ListFromSystem();
    if (!PortList.empty())
        return;
    for (int number = 1; number <= FallbackPortCount; ++number)
        PortList.push_back(PortName(number));
    FromSystem = false;
}

void TCommSerialPortInfo::ListFromSystem()
{
    const std::optional<std::vector<std::string>> names = lookup_.Names ? lookup_.Names() : SystemPortNames(lookup_);
    if (!names)
        return;
    for (const std::string& name : *names)
        if (const int number = PortNo(name); number > 0)
            PortList.push_back(PortName(number));

    std::vector<int> order(PortList.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [this](int i, int j) { return PortListSortCompare(PortList, i, j) < 0; });
    std::vector<std::string> sorted;
    for (int i : order)
        sorted.push_back(PortList[size_t(i)]);
    PortList = std::move(sorted);
    FromSystem = true;
}

int TCommSerialPortInfo::PortNo(const std::string& name)
{
    std::string prefix = name.substr(0, PortPrefixLength);
    std::transform(prefix.begin(), prefix.end(), prefix.begin(),
                   [](char c) { return char(std::toupper(static_cast<unsigned char>(c))); });
    if (prefix != PortPrefix)
        return 0;
    const std::string rest = name.substr(PortPrefixLength);
    errno = 0;
    const long number = std::strtol(rest.c_str(), nullptr, 10);
    // A number beyond int is no port either, rather than a wrapped one.
    if (errno == ERANGE || number <= 0 || number > INT_MAX)
        return 0;
    return int(number);
}

std::string TCommSerialPortInfo::PortName(int number) { return PortPrefix + std::to_string(number); }

int TCommSerialPortInfo::PortListSortCompare(const std::vector<std::string>& list, int i, int j)
{
    return PortNo(list[size_t(i)]) - PortNo(list[size_t(j)]);
}

}
