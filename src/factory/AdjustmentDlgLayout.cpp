#include <stdexcept>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "calibration/AdjustmentLayout.h"
#include "factory/AdjustmentDlg.h"
#include "factory/DigitEdit.h"

namespace {

constexpr int FrequencyBoxWidth = 80;
constexpr int NumberBoxWidth = 40;

QLabel* Caption(const std::string& text, QWidget* parent) { return new QLabel(QString::fromStdString(text), parent); }

}

TDigitEdit* TAdjustmentDlg::MakeEdit(const std::string& editName)
{
    const AdjustmentField* field = FindAdjustmentField(editName);
    if (!field)
        throw std::logic_error("no calibration field for " + editName);
    const bool frequency = field->Family == AdjustmentFamily::Frequency;
    auto* edit = new TDigitEdit(QString::fromStdString(editName), frequency,
                                [field](const std::string& text) { return CorrectedFieldText(*field, text); }, this);
    edit->setFixedWidth(frequency ? FrequencyBoxWidth : NumberBoxWidth);
    edits_.push_back({edit, field});
    const FieldEdit target = edits_.back();
    connect(edit, &TDigitEdit::Left, this, [this, target] { CommitEdit(target); });
    return edit;
}

// Column titles over the boxes, row captions on the left; a titled group stands in a group box.
QWidget* TAdjustmentDlg::BuildGroup(AdjustmentGroupIndex index)
{
    const AdjustmentGroup& group = AdjustmentGroups()[index];
    QWidget* frame = group.title.empty() ? new QWidget(this) : new QGroupBox(QString::fromStdString(group.title), this);
    auto* grid = new QGridLayout(frame);
    if (group.title.empty())
        grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    if (!group.columns.empty()) {
        for (size_t column = 0; column < group.columns.size(); ++column)
            grid->addWidget(Caption(group.columns[column], frame), row, int(column) + 1);
        ++row;
    }
    for (size_t r = 0; r < group.rows.size(); ++r, ++row) {
        const AdjustmentRow& boxes = group.rows[r];
        QLabel* caption = Caption(boxes.caption, frame);
        caption->setVisible(!group.rowCaptionsHidden);
        grid->addWidget(caption, row, 0);
        for (size_t column = 0; column < boxes.edits.size(); ++column) {
            TDigitEdit* edit = MakeEdit(boxes.edits[column]);
            if (boxes.edits.size() == 1)
                caption->setBuddy(edit);
            else
                edit->setAccessibleName(QString::fromStdString(AdjustmentBoxName(group, r, column)));
            grid->addWidget(edit, row, int(column) + 1);
        }
    }
    grid->setRowStretch(row, 1);
    return frame;
}

QLayout* TAdjustmentDlg::BuildColumn(std::initializer_list<AdjustmentGroupIndex> groups)
{
    auto* column = new QVBoxLayout;
    for (AdjustmentGroupIndex index : groups)
        column->addWidget(BuildGroup(index));
    column->addStretch();
    return column;
}

QLayout* TAdjustmentDlg::BuildHints()
{
    auto* hints = new QVBoxLayout;
    for (const std::string& hint : AdjustmentHints())
        hints->addWidget(Caption(hint, this));
    hints->addStretch();
    return hints;
}

QLayout* TAdjustmentDlg::BuildButtons()
{
    auto* row = new QHBoxLayout;
    for (QPushButton* button : {bRead, bWrite, Button1, bNew, bOpen, bSave, bWriteSn})
        row->addWidget(button);
    row->addStretch();
    return row;
}
