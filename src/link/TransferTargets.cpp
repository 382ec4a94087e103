#include "link/TransferTargets.h"

TransferContext TransferTargets::Context(TransferKind kind, bool isRead)
{
    TransferContext context;
    context.Kind = kind;
    context.IsRead = isRead;
    context.Settings = &Settings;
    context.Band = &Band;
    context.Link = &Link;
    context.Image = &Image;
    context.Buffer = &Buffer;
    return context;
}
