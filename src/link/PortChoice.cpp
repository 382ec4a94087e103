#include "link/PortChoice.h"

PortChoice PortChoiceFor(const LinkSettings& link)
{
    if (link.AutoSearchPort)
        return PortChoice::Searching(RefreshPortCandidates());
    return PortChoice::Named(ComPortName(link.PortNumber));
}
