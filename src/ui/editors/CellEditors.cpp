#include "ui/editors/CellEditors.h"

#include <QComboBox>
#include <QLineEdit>

#include "lang/RecordText.h"
#include "model/ToneLists.h"

QLineEdit* CreateFrequencyCellEditor(QWidget* parent, const LeftOutCharacters& leftOut)
{
    auto* editor = new QLineEdit(parent);
    editor->setObjectName("Edit_ChFreq");
    editor->setAlignment(Qt::AlignCenter);
    FilterTypedCharacters(editor, editor, GridFrequencyCharacter, leftOut);
    CorrectAfterEveryChange(editor, CorrectFrequencyText, leftOut);
    editor->hide();
    return editor;
}

QComboBox* CreateToneCellEditor(QWidget* parent, const LeftOutCharacters& leftOut)
{
    auto* editor = new QComboBox(parent);
    editor->setObjectName("ComboBox1");
    editor->setEditable(true);
    editor->setInsertPolicy(QComboBox::NoInsert);
    editor->setCompleter(nullptr);
    for (const ToneListEntry& tone : ChannelToneList())
        editor->addItem(QString::fromStdString(tone.text));
    FilterTypedCharacters(editor, editor->lineEdit(), ToneCharacter, leftOut);
    CorrectAfterEveryChange(editor->lineEdit(), CorrectToneText, leftOut);
    editor->hide();
    return editor;
}

QLineEdit* CreateNameCellEditor(QWidget* parent, const LeftOutCharacters& leftOut)
{
    auto* editor = new QLineEdit(parent);
    editor->setObjectName("Edit_ChName");
    editor->setAlignment(Qt::AlignCenter);
    CorrectAfterEveryChange(editor, CorrectNameText, leftOut);
    editor->hide();
    return editor;
}

QComboBox* CreateSquelchModeCellEditor(QWidget* parent)
{
    auto* editor = new QComboBox(parent);
    editor->setObjectName("cbCh_SquelchMode");
    editor->hide();
    return editor;
}

QComboBox* CreateChoiceCellEditor(QWidget* parent)
{
    auto* editor = new QComboBox(parent);
    editor->setObjectName("cbCh_Choice");
    editor->hide();
    return editor;
}
