#pragma once

#include <vector>

#include <QObject>
#include <QStringList>

#include "model/OptionTable.h"
#include "ui/editors/BoundField.h"
#include "ui/editors/ChoiceTexts.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// A labelled drop-down list bound to one field.
struct ChoiceBinding {
    const char* listName;
    const char* labelName;
    TextEntry labelEntry;
    std::function<QStringList()> items;  // in the current language
    FieldAccess field;
    IndexMapping mapping;
};

// A check box bound to a 0-or-1 field.
enum class TickedWhen { NonZero, ExactlyOne };
struct CheckBinding {
    const char* boxName;
    TextEntry captionEntry;
    uint8_t RadioSettings::*field;
    TickedWhen tickedWhen;
};

// A DTMF code edited as text, stored as symbol codes and a length.
struct DtmfCodeBinding {
    const char* boxName;
    const char* labelName;
    TextEntry labelEntry;
    uint8_t (RadioSettings::*codes)[DtmfCodeCapacity];
    uint8_t RadioSettings::*length;
};

struct LabelledList {
    QLabel* label;
    QComboBox* list;
};

struct LabelledBox {
    QLabel* label;
    QLineEdit* box;
};

// The option controls of a page. Each stores its field when the user leaves it; Refresh
// re-captions them, refills the lists and shows the stored values.
class BoundControls : public QObject {
public:
    BoundControls(RadioSettings& settings, QWidget* page);

    LabelledList AddChoice(ChoiceBinding binding);
    QCheckBox* AddCheck(CheckBinding binding);
    // Controls of an option table field: caption, choices and the shown value come from its row.
    LabelledList AddOptionList(const OptionField& field, const char* listName, const char* labelName);
    QCheckBox* AddOptionCheck(const OptionField& field, const char* boxName);
    LabelledBox AddDtmfCode(DtmfCodeBinding binding);
    void Refresh();

private:
    struct BoundChoice {
        LabelledList controls;
        ChoiceBinding binding;
    };
    struct BoundCheck {
        QCheckBox* box;
        TextEntry captionEntry;
        FieldAccess field;
        TickedWhen tickedWhen;
    };
    struct BoundCode {
        LabelledBox controls;
        DtmfCodeBinding binding;
    };

    void RefreshChoice(const BoundChoice& choice);
    QCheckBox* AddCheck(const char* boxName, BoundCheck check);
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
