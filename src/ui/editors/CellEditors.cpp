#include "ui/editors/CellEditors.h"

#include <QComboBox>
#include <QLineEdit>

#include "lang/RecordText.h"
#include "model/ToneLists.h"
#include "ui/editors/InputGuards.h"

QLineEdit* CreateFrequencyCellEditor(QWidget* parent)
{
    auto* editor = new QLineEdit(parent);
    editor->setObjectName("Edit_ChFreq");
    editor->setAlignment(Qt::AlignCenter);
    FilterTypedCharacters(editor, editor, GridFrequencyCharacter);
    CorrectAfterEveryChange(editor, CorrectFrequencyText);
    editor->hide();
    return editor;
}

QComboBox* CreateToneCellEditor(QWidget* parent)
{
    auto* editor = new QComboBox(parent);
    editor->setObjectName("ComboBox1");
    editor->setEditable(true);
    editor->setInsertPolicy(QComboBox::NoInsert);
    editor->setCompleter(nullptr);
    for (const ToneListEntry& tone : ChannelToneList())
        editor->addItem(QString::fromStdString(tone.text));
    FilterTypedCharacters(editor, editor->lineEdit(), ToneCharacter);
    CorrectAfterEveryChange(editor->lineEdit(), CorrectToneText);
    editor->hide();
    return editor;
}

QLineEdit* CreateNameCellEditor(QWidget* parent)
{
    auto* editor = new QLineEdit(parent);
    editor->setObjectName("Edit_ChName");
    editor->setAlignment(Qt::AlignCenter);
    CorrectAfterEveryChange(editor, CorrectNameText);
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
