#include "model/ToneLists.h"

#include <cstdio>

namespace {

constexpr int CtcssTenths[] = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000, 1035, 1072, 1109, 1148,
    1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799,
    1835, 1862, 1899, 1928, 1966, 1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541,
};

// Octal literals: the codes are named by their octal digits.
constexpr int StandardDcsOctal[] = {
    023, 025, 026, 031, 032, 036, 043, 047, 051, 053, 054, 065, 071, 072, 073, 074, 0114, 0115, 0116, 0122, 0125,
    0131, 0132, 0134, 0143, 0145, 0152, 0155, 0156, 0162, 0165, 0172, 0174, 0205, 0212, 0223, 0225, 0226, 0243, 0244, 0245, 0246,
    0251, 0252, 0255, 0261, 0263, 0265, 0266, 0271, 0274, 0306, 0311, 0315, 0325, 0331, 0332, 0343, 0346, 0351, 0356, 0364, 0365,
    0371, 0411, 0412, 0413, 0423, 0431, 0432, 0445, 0446, 0452, 0454, 0455, 0462, 0464, 0465, 0466, 0503, 0506, 0516, 0523, 0526,
    0532, 0546, 0565, 0606, 0612, 0624, 0627, 0631, 0632, 0645, 0654, 0662, 0664, 0703, 0712, 0723, 0731, 0732, 0734, 0743, 0754,
};

constexpr int OctalCodeCount = 0777 + 1;

ToneListEntry DcsEntry(int octal, ToneType type)
{
    const ToneCode code = ToneCode(DcsCodeBase + octal);
    return {FormatToneText(code, type), type, code};
}

template <size_t N>
std::vector<ToneListEntry> DcsEntries(const int (&codes)[N])
{
    std::vector<ToneListEntry> list;
    for (ToneType type : {ToneDcsNormal, ToneDcsInverted})
        for (int octal : codes)
            list.push_back(DcsEntry(octal, type));
    return list;
}

template <typename... Lists>
std::vector<ToneListEntry> Join(const Lists&... lists)
{
    std::vector<ToneListEntry> joined;
    (joined.insert(joined.end(), lists.begin(), lists.end()), ...);
    return joined;
}

}

const std::vector<ToneListEntry>& CtcssList()
{
    static const std::vector<ToneListEntry> list = [] {
        std::vector<ToneListEntry> l{{"Off", ToneNone, 0}};
        for (int tenths : CtcssTenths)
            l.push_back({FormatToneText(ToneCode(tenths), ToneCtcss), ToneCtcss, ToneCode(tenths)});
        return l;
    }();
    return list;
}

const std::vector<ToneListEntry>& DcsList()
{
    static const std::vector<ToneListEntry> list = DcsEntries(StandardDcsOctal);
    return list;
}

const std::vector<ToneListEntry>& ChannelToneList()
{
    static const std::vector<ToneListEntry> list = Join(CtcssList(), DcsList());
    return list;
}

const std::vector<ToneListEntry>& BatchToneList()
{
    static const std::vector<ToneListEntry> list = [] {
        int all[OctalCodeCount];
        for (int i = 0; i < OctalCodeCount; ++i)
            all[i] = i;
        return Join(CtcssList(), DcsEntries(all));
    }();
    return list;
}
