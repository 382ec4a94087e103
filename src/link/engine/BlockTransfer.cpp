#include "link/engine/BlockTransfer.h"

#include <algorithm>

#include "link/engine/Frames.h"
#include "link/engine/ReceiveBuffer.h"
#include "model/MemoryImage.h"

namespace {

constexpr uint8_t NormalPieceSize = 16;

constexpr uint8_t CalibrationPieceSize = 16;
constexpr uint8_t SnPieceSize = DeviceSnSize;

// Every piece that starts below the end must fit into the bytes it moves.
constexpr size_t LastPieceEnd(size_t end, size_t piece) { return (end + piece - 1) / piece * piece; }
static_assert(LastPieceEnd(ImageReadEnd, NormalPieceSize) <= MemoryImageSize);
static_assert(LastPieceEnd(ImageWriteEnd, NormalPieceSize) <= MemoryImageSize);
static_assert(LastPieceEnd(AdjustmentBlockSize, CalibrationPieceSize) <= TransferBufferSize);
static_assert(SnPieceSize <= TransferBufferSize);
// A whole read answer must fit the receive buffer.
static_assert(BlockHeadLength + std::max({NormalPieceSize, CalibrationPieceSize, SnPieceSize}) <= ReceiveBuffer::Capacity);

}  // namespace

std::optional<BlockPlan> PlanFor(const TransferContext& context)
{
    switch (context.Kind) {
    case TransferKind::Normal:
        return BlockPlan{context.Image.data(), MemoryImageBaseAddress, context.IsRead ? ImageReadEnd : ImageWriteEnd,
                         NormalPieceSize, ProgressMeter::Rule::PerBytes};
    case TransferKind::Adjustment:
        return BlockPlan{context.Buffer.data(), AdjustmentBlockAddress, AdjustmentBlockSize, CalibrationPieceSize,
                         ProgressMeter::Rule::Adjustment};
    case TransferKind::SerialNumber:
        return BlockPlan{context.Buffer.data(), SerialNumberAddress, SnPieceSize, SnPieceSize, ProgressMeter::Rule::AtEndOnly};
    case TransferKind::PasswordSetting:
        break;
    }
    return std::nullopt;
}

BlockTransfer::BlockTransfer(const BlockPlan& plan, bool isRead)
    : plan_(plan), isRead_(isRead), progress_(plan.progressRule)
{
}

BlockTransfer::Step BlockTransfer::Next(const uint8_t* answerData)
{
    if (isRead_ && requestPending_ && answerData) {
        std::copy(answerData, answerData + plan_.pieceSize, plan_.data + position_);
        requestPending_ = false;
        Moved();
    }
    if (position_ >= plan_.end)
        return {true, {}};
    return isRead_ ? SendReadRequest() : SendWrite();
}

size_t BlockTransfer::ExpectedAnswerLength() const
{
    return isRead_ ? BlockHeadLength + plan_.pieceSize : WriteAckLength;
}

BlockTransfer::Step BlockTransfer::SendWrite()
{
    Frame frame = WriteFrame(uint16_t(plan_.baseAddress + position_), plan_.data + position_, plan_.pieceSize);
    Moved();
    return {false, std::move(frame)};
}

BlockTransfer::Step BlockTransfer::SendReadRequest()
{
    requestPending_ = true;
    return {false, ReadRequest(uint16_t(plan_.baseAddress + position_), plan_.pieceSize)};
}

void BlockTransfer::Moved()
{
    position_ += plan_.pieceSize;
    progress_.BlockMoved(plan_.pieceSize, position_);
}
