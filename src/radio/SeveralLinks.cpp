#include "radio/SeveralLinks.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <map>

#include "radio/RadioMemory.h"

std::optional<std::string> SerialOnLink(const std::string& serial, size_t link)
{
    if (link == 0)
        return serial;
    if (serial.size() > RadioMemory::SerialNumberSize || !std::all_of(serial.begin(), serial.end(), ::isdigit))
        return std::nullopt;
    const uint64_t value = (serial.empty() ? 0 : std::stoull(serial)) + uint64_t(link) * LinkSerialStep;
    std::string digits = std::to_string(value);
    if (digits.size() < serial.size())
        digits.insert(0, serial.size() - digits.size(), '0');
    if (digits.size() > RadioMemory::SerialNumberSize)
        return std::nullopt;
    return digits;
}

std::string MemoryFileOnLink(const std::string& path, size_t link)
{
    if (link == 0 || path.empty())
        return path;
    std::filesystem::path file(path);
    file.replace_filename(file.stem().string() + "-" + std::to_string(link) + file.extension().string());
    return file.string();
}

std::optional<RadioOptions> OptionsOnLink(const RadioOptions& options, size_t link, const std::string& firstSerial)
{
    RadioOptions onLink = options;
    onLink.LinkPaths = {options.LinkPaths.at(link)};
    if (link == 0)
        return onLink;
    onLink.Serial = SerialOnLink(firstSerial, link);
    if (!onLink.Serial)
        return std::nullopt;
    onLink.MemoryPath = MemoryFileOnLink(options.MemoryPath, link);
    for (NextRadio& radio : onLink.NextRadios) {
        const std::optional<std::string> serial = SerialOnLink(radio.Serial, link);
        if (!serial)
            return std::nullopt;
        radio.Serial = *serial;
        radio.MemoryPath = MemoryFileOnLink(radio.MemoryPath, link);
    }
    return onLink;
}

std::string MemoryFileOnTwoLinks(const std::vector<RadioOptions>& links)
{
    std::map<std::string, size_t> linkOfFile;
    for (size_t link = 0; link < links.size(); ++link) {
        std::vector<std::string> files = {links[link].MemoryPath};
        for (const NextRadio& radio : links[link].NextRadios)
            files.push_back(radio.MemoryPath);
        for (const std::string& file : files)
            if (!file.empty() && linkOfFile.emplace(file, link).first->second != link)
                return file;
    }
    return {};
}
