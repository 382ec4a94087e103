#pragma once

#include <vector>

#include <QDate>
#include <QString>
#include <QStringList>

#include "model/BandLimits.h"
#include "model/RadioSettings.h"

// What the channel sheet tells beside the record itself.
struct SheetFacts {
    QString fileName;  // the data file the record came from or went to; empty when none
    QDate date;
    BandLimits band;
};

struct LabelledValue {
    QString label;
    QString value;
};

// The sheet's texts in the interface language, as the main window's pages show them.
struct SheetContent {
    QString title;
    std::vector<LabelledValue> facts;
    std::vector<QStringList> channelRows;  // the column titles first, then channels 1 to 16
    QString optionsTitle;
    std::vector<LabelledValue> options;
    QString keysTitle;
    std::vector<LabelledValue> keys;
};

// Builds the channel, option and key pages on a copy of the record, off screen, and reads what
// they show, so the sheet can never word a value differently from the window. Needs a
// QApplication.
SheetContent GatherSheetContent(const RadioSettings& settings, const SheetFacts& facts);
