#include "link/TransferTargets.h"

TransferContext TransferTargets::Context(TransferKind kind, bool isRead)
{
    return TransferContext{kind, isRead, Settings, Band, Link, Image, Buffer};
}
