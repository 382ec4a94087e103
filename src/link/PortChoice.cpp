#include "link/PortChoice.h"

PortChoice PortChoiceFor(const LinkSettings& link)
{
    if (link.AutoSearchPort)
        return PortChoice::Searching(RefreshPortCandidates(link.Ports));
    return PortChoice::Named(ComPortName(link.PortNumber));
}
