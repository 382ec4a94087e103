#pragma once

#include <string>
#include <vector>

#include <QWidget>

#include "link/engine/TransferContext.h"

class QComboBox;
class QListWidget;
class QPushButton;

// The ports a series of radios runs on. At first the one the port settings choose, or their
// automatic search; the user adds the machine's further ports, each shown with its device and
// adapter as the port dialog shows them, and removes any but the last. The search stands alone:
// naming a port to add puts that port in its place, since one cable searching while others
// write would take their radios.
class SeriesPortList : public QWidget {
    Q_OBJECT
public:
    SeriesPortList(const LinkSettings& link, QWidget* parent);

    // The ports in the list's order, as COM names; a single empty name is the automatic search.
    std::vector<std::string> Ports() const;
    // The list itself, for the label that names it.
    QListWidget* List() const { return SeriesPorts; }

private:
    void AddClick();
    void RemoveClick();
    void OfferPorts();
    void EnableButtons();
    QString PortText(const std::string& port) const;

    TeskComm32::PortLookup lookup_;
    QListWidget* SeriesPorts;
    QComboBox* SeriesPortChoice;
    QPushButton* SeriesAddPort;
    QPushButton* SeriesRemovePort;
};
