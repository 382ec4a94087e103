#include "files/ComparedRecord.h"

#include <cstring>

#include "files/ChannelDataFile.h"
#include "files/MemoryImageFile.h"
#include "model/MemoryImage.h"

namespace {

void TakePassword(ComparedRecord& to, const ComparedRecord& from)
{
    std::memcpy(to.Settings.Password, from.Settings.Password, sizeof to.Settings.Password);
}

}

FileResult OpenComparedFile(const std::string& path, ComparedRecord& record)
{
    record.Settings.ResetToDefaults();
    MemoryImage image;
    const FileResult asImage = OpenImageFile(path, image);
    if (asImage.ok) {
        BandLimits band;
        SetDataToSoftware(image, record.Settings, band);
        record.HoldsPassword = false;
        return asImage;
    }
    if (asImage.problem != FileProblem::ImageWrongSize)
        return asImage;
    record.HoldsPassword = true;
    return OpenChannelFile(path, record.Settings);
}

void MatchPasswords(ComparedRecord& first, ComparedRecord& second)
{
    if (!first.HoldsPassword)
        TakePassword(first, second);
    else if (!second.HoldsPassword)
        TakePassword(second, first);
}
