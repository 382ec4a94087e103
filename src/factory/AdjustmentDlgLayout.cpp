#include <iterator>
#include <stdexcept>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "factory/AdjustmentDlg.h"
#include "factory/DigitEdit.h"

// The dialog's fixed captions are Chinese in every language; only the buttons follow the language.

namespace {

constexpr int FrequencyBoxWidth = 80;
constexpr int NumberBoxWidth = 40;

// Five spots across the start-up band; the labels stay hidden, no frequency is preset.
constexpr const char* PointSpotLabels[AdjustmentPointCount] = {"400", "417", "435", "452", "470"};

QLabel* Caption(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

struct BandRow {
    const char* caption;
    const char* editPattern;  // %1 is W or N
};

constexpr BandRow BandRows[] = {
    {"频偏", "ePinPian_%1"},         {"特殊频偏1", "ePinPian_%1_Spe_1"}, {"特殊频偏2", "ePinPian_%1_Spe_2"},
    {"DTMF幅度", "eDtmfFuDu_%1"},    {"1750幅度", "e1750FuDu_%1"},       {"CTC频偏", "eCtcPinPian_%1"},
    {"DCS频偏", "eDcsPinPian_%1"},
};

constexpr const char* Hints[] = {
    "本对话框中，除了以下列出的几点，",
    "其他输入框的范围均为0~255",
    "CTC DCS频偏的范围为0~63",
    "频偏的范围为0~127",
};

}

TDigitEdit* TAdjustmentDlg::MakeEdit(const std::string& editName)
{
    for (const auto& field : AdjustmentFields()) {
        if (field.EditName != editName)
            continue;
        const bool frequency = field.Family == AdjustmentFamily::Frequency;
        auto* edit = new TDigitEdit(QString::fromStdString(editName), frequency,
            frequency ? CorrectFrequencyText : LongestTextRule(int(LongestText(field.Family))), this);
        edit->setFixedWidth(frequency ? FrequencyBoxWidth : NumberBoxWidth);
        edits_.push_back({edit, &field});
        const FieldEdit target = edits_.back();
        connect(edit, &TDigitEdit::Left, this, [this, target] { CommitEdit(target); });
        return edit;
    }
    throw std::logic_error("no calibration field for " + editName);
}

// A row of one box is named by its caption; a box among several by the caption and its column's title.
void TAdjustmentDlg::PlaceRow(QGridLayout* grid, int row, const QString& caption, const std::vector<std::string>& editNames,
                              const std::vector<const char*>& columnTitles)
{
    auto* label = new QLabel(caption, this);
    grid->addWidget(label, row, 0);
    for (size_t column = 0; column < editNames.size(); ++column) {
        TDigitEdit* edit = MakeEdit(editNames[column]);
        if (editNames.size() == 1)
            label->setBuddy(edit);
        else
            edit->setAccessibleName(caption + ' ' + QString::fromUtf8(columnTitles[column]));
        grid->addWidget(edit, row, int(column) + 1);
    }
}

QLayout* TAdjustmentDlg::BuildFrequencyGrid()
{
    auto* grid = new QGridLayout;
    const char* headers[] = {"频点", "高", "中", "低", "TUNE"};
    for (int column = 0; column < int(std::size(headers)); ++column)
        grid->addWidget(Caption(headers[column], this), 0, column + 1);
    for (size_t k = 0; k < AdjustmentPointCount; ++k) {
        const std::string edit = "eFreq_" + std::to_string(k);
        QLabel* spot = Caption(PointSpotLabels[k], this);
        spot->hide();
        grid->addWidget(spot, int(k) + 1, 0);
        int column = 1;
        for (const char* suffix : {"", "_H", "_M", "_L", "_Tune"}) {
            TDigitEdit* box = MakeEdit(edit + suffix);
            box->setAccessibleName(QString::fromUtf8(headers[column - 1]) + ' ' + spot->text());
            grid->addWidget(box, int(k) + 1, column++);
        }
    }
    grid->setRowStretch(int(AdjustmentPointCount) + 1, 1);
    return grid;
}

QGroupBox* TAdjustmentDlg::BuildBandGroup(const QString& title, char band)
{
    auto* group = new QGroupBox(title, this);
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (const auto& r : BandRows) {
        const QString editName = QString::fromLatin1(r.editPattern).arg(QLatin1Char(band));
        PlaceRow(grid, row++, QString::fromUtf8(r.caption), {editName.toStdString()});
    }
    return group;
}

QGroupBox* TAdjustmentDlg::BuildLevelGroup(const QString& title, const char* firstEdit, const char* ninthEdit)
{
    auto* group = new QGroupBox(title, this);
    auto* grid = new QGridLayout(group);
    PlaceRow(grid, 0, QString::fromUtf8("第1级"), {firstEdit});
    PlaceRow(grid, 1, QString::fromUtf8("第9级"), {ninthEdit});
    return group;
}

QLayout* TAdjustmentDlg::BuildBatteryGrid()
{
    auto* grid = new QGridLayout;
    const std::vector<const char*> headers = {"低压", "1级", "2级"};
    int column = 1;
    for (const char* header : headers)
        grid->addWidget(Caption(header, this), 0, column++);
    PlaceRow(grid, 1, QString::fromUtf8("待机电压"), {"eBatt_L0_Wait", "eBatt_L1_Wait", "eBatt_L2_Wait"}, headers);
    PlaceRow(grid, 2, QString::fromUtf8("发射电压"), {"eBatt_L0_Tx", "eBatt_L1_Tx", "eBatt_L2_Tx"}, headers);
    PlaceRow(grid, 3, QString::fromUtf8("最高电压"), {"eBatt_High"});
    return grid;
}

QLayout* TAdjustmentDlg::BuildCrystalRow()
{
    auto* grid = new QGridLayout;
    PlaceRow(grid, 0, QString::fromUtf8("晶体偏差"), {"eXtal_PP"});
    grid->setColumnStretch(2, 1);
    return grid;
}

QLayout* TAdjustmentDlg::BuildHints()
{
    auto* hints = new QVBoxLayout;
    for (const char* hint : Hints)
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
