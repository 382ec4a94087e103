#include "calibration/PartlyTakenNotice.h"

#include "lang/FileMessage.h"

std::vector<Message> PartlyTakenNotice(const std::string& path, const AdjustmentFileFit& fit)
{
    const std::string taken = std::to_string(fit.taken);
    const Message howMuch = fit.fileSize < AdjustmentDataSize
                                ? Message(MessageId::AdjustmentFileShortTaken, {taken, std::to_string(AdjustmentDataSize)})
                                : Message(MessageId::AdjustmentFileLongTaken, {taken});
    return {FileMessage(AdjustmentFileWrongSize(path, fit)), howMuch};
}
