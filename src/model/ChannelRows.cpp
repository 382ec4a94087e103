#include "model/ChannelRows.h"

#include <cstring>

namespace {

bool IsChannel(unsigned n) { return n >= 1 && n <= ChannelCount; }

bool AllChannels(const ChannelNumbers& channels)
{
    for (unsigned n : channels)
        if (!IsChannel(n))
            return false;
    return true;
}

ChannelRow RowOf(const RadioSettings& settings, unsigned n) { return {settings.Channel[n], settings.IsChannelUsed(n)}; }

void PutRow(RadioSettings& settings, unsigned n, const ChannelRow& row)
{
    settings.Channel[n] = row.record;
    settings.SetChannelUsed(n, row.used);
}

void SwapRows(RadioSettings& settings, unsigned a, unsigned b)
{
    const ChannelRow first = RowOf(settings, a);
    PutRow(settings, a, RowOf(settings, b));
    PutRow(settings, b, first);
}

}

std::vector<ChannelRow> CopyChannelRows(const RadioSettings& settings, const ChannelNumbers& channels)
{
    std::vector<ChannelRow> rows;
    for (unsigned n : channels)
        if (IsChannel(n))
            rows.push_back(RowOf(settings, n));
    return rows;
}

unsigned PasteChannelRows(RadioSettings& settings, unsigned first, const std::vector<ChannelRow>& rows)
{
    unsigned placed = 0;
    for (unsigned n = first; IsChannel(n) && placed < rows.size(); ++n)
        PutRow(settings, n, rows[placed++]);
    return placed;
}

void ClearChannelRows(RadioSettings& settings, const ChannelNumbers& channels)
{
    for (unsigned n : channels)
        if (IsChannel(n))
            PutRow(settings, n, ChannelRow{});
}

bool InsertDropsUsedChannel(const RadioSettings& settings) { return settings.IsChannelUsed(ChannelCount); }

bool InsertEmptyChannelRow(RadioSettings& settings, unsigned at)
{
    if (!IsChannel(at))
        return false;
    for (unsigned n = ChannelCount; n > at; --n)
        PutRow(settings, n, RowOf(settings, n - 1));
    PutRow(settings, at, ChannelRow{});
    return true;
}

bool MoveChannelRowsUp(RadioSettings& settings, const ChannelNumbers& channels)
{
    if (channels.empty() || !AllChannels(channels) || channels.front() == 1)
        return false;
    for (unsigned n : channels)
        SwapRows(settings, n, n - 1);
    return true;
}

bool MoveChannelRowsDown(RadioSettings& settings, const ChannelNumbers& channels)
{
    if (channels.empty() || !AllChannels(channels) || channels.back() == ChannelCount)
        return false;
    for (auto n = channels.rbegin(); n != channels.rend(); ++n)
        SwapRows(settings, *n, *n + 1);
    return true;
}

std::vector<uint8_t> PackChannelRows(const std::vector<ChannelRow>& rows)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(rows.size() * PackedChannelRowSize);
    for (const ChannelRow& row : rows) {
        bytes.push_back(row.used ? 1 : 0);
        const auto* record = reinterpret_cast<const uint8_t*>(&row.record);
        bytes.insert(bytes.end(), record, record + sizeof row.record);
    }
    return bytes;
}

std::optional<std::vector<ChannelRow>> UnpackChannelRows(const uint8_t* bytes, size_t size)
{
    const size_t count = size / PackedChannelRowSize;
    if (size % PackedChannelRowSize != 0 || count == 0 || count > ChannelCount)
        return std::nullopt;
    std::vector<ChannelRow> rows(count);
    for (ChannelRow& row : rows) {
        if (bytes[0] > 1)
            return std::nullopt;
        row.used = bytes[0] == 1;
        std::memcpy(&row.record, bytes + 1, sizeof row.record);
        bytes += PackedChannelRowSize;
    }
    return rows;
}
