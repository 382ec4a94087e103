#include "link/engine/TransferTargets.h"

TransferContext TransferTargets::Context(TransferKind kind, bool isRead)
{
    return TransferContext{kind, isRead, Settings, Band, Link, Image, Buffer};
}

std::unique_ptr<TransferTargets> TransferTargets::ForReadBack(const TransferContext& written)
{
    auto readBack = std::make_unique<TransferTargets>();
    readBack->Settings = written.Settings;
    readBack->Band = written.Band;
    readBack->Link = written.Link;
    return readBack;
}
