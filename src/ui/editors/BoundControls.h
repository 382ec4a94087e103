#pragma once

#include <vector>

#include "ui/editors/BoundField.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QWidget;

// A labelled drop-down list bound to one field.
struct ChoiceBinding {
    const char* listName;
    const char* labelName;
    int labelEntry;
    std::function<QStringList()> items;  // in the current language
    FieldAccess field;
    IndexMapping mapping;
};

// A check box bound to a 0-or-1 field.
enum class TickedWhen { NonZero, ExactlyOne };
struct CheckBinding {
    const char* boxName;
    int captionEntry;
    uint8_t RadioSettings::*field;
    TickedWhen tickedWhen;
};

struct LabelledList {
    QLabel* label;
    QComboBox* list;
};

// The option controls of a page. Each stores its field when the user leaves it; Refresh
// re-captions them, refills the lists and shows the stored values.
class BoundControls {
public:
    BoundControls(RadioSettings& settings, QWidget* page);
    BoundControls(const BoundControls&) = delete;
    BoundControls& operator=(const BoundControls&) = delete;

    LabelledList AddChoice(ChoiceBinding binding);
    QCheckBox* AddCheck(CheckBinding binding);
    void Refresh();

private:
    struct BoundChoice {
        LabelledList controls;
        ChoiceBinding binding;
    };
    struct BoundCheck {
        QCheckBox* box;
        CheckBinding binding;
    };

    void RefreshChoice(const BoundChoice& choice);
    void RefreshCheck(const BoundCheck& check);
    void StoreChoice(const BoundChoice& choice);
    void StoreCheck(const BoundCheck& check);

    RadioSettings& settings_;
    QWidget* page_;
    std::vector<BoundChoice> choices_;
    std::vector<BoundCheck> checks_;
};
