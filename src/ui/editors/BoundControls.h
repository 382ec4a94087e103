#pragma once

#include <vector>

#include <QObject>

#include "model/OptionTable.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

struct LabelledList {
    QLabel* label;
    QComboBox* list;
};

struct LabelledBox {
    QLabel* label;
    QLineEdit* box;
};

// The controls of a page that edit rows of the option table: their captions, choices and shown
// values come from the row. Each stores its field when the user leaves it; Refresh re-captions
// them, refills the lists and shows the stored values.
class BoundControls : public QObject {
public:
    BoundControls(RadioSettings& settings, QWidget* page);

    LabelledList AddOptionList(const OptionField& field, const char* listName, const char* labelName);
    QCheckBox* AddOptionCheck(const OptionField& field, const char* boxName);
    // A DTMF code edited as text, stored as symbol codes and a count.
    LabelledBox AddDtmfCode(const DtmfCodeField& field, const char* boxName, const char* labelName);
    void Refresh();

private:
    struct BoundChoice {
        LabelledList controls;
        const OptionField* field;
    };
    struct BoundCheck {
        QCheckBox* box;
        const OptionField* field;
    };
    struct BoundCode {
        LabelledBox controls;
        const DtmfCodeField* field;
    };

    void RefreshChoice(const BoundChoice& choice);
    void RefreshCheck(const BoundCheck& check);
    void RefreshCode(const BoundCode& code);
    void ShowCode(const BoundCode& code);
    void StoreChoice(const BoundChoice& choice);
    void StoreCheck(const BoundCheck& check);
    void StoreCode(const BoundCode& code);

    RadioSettings& settings_;
    QWidget* page_;
    std::vector<BoundChoice> choices_;
    std::vector<BoundCheck> checks_;
    std::vector<BoundCode> codes_;
};
