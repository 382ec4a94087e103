#include "model/BandLimits.h"

BandLimits& CurrentBand()
{
    static BandLimits band;
    return band;
}
