#pragma once

#include <QWidget>

#include "model/BandLimits.h"
#include "model/RadioSettings.h"

class ChannelGridEditor;
class QLabel;
class QPushButton;

// The page `TabSheet_ChInfo`: the channel grid, the device information under it and the batch-set
// button, which stays hidden.
class ChannelInfoPage : public QWidget {
    Q_OBJECT
public:
    ChannelInfoPage(RadioSettings& settings, const BandLimits& band, QWidget* parent);

    // Captions in the current language, the device information and every channel row.
    void Refresh();

    ChannelGridEditor* Grid;
    QLabel* sLastWrite;
    QLabel* sLastWriteTime;
    QLabel* sSoftwareVersion;
    QLabel* sSoftwareVersionDisp;
    QLabel* sDeviceSn;
    QLabel* sDeviceSnDisp;
    QPushButton* bChBatchSet;

private:
    QWidget* BuildDeviceInformation();

    const RadioSettings& settings_;
};
