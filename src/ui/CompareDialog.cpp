#include "ui/CompareDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "lang/DisplayMessage.h"
#include "notices/FocusReturn.h"

namespace {

enum Column { PlaceColumn, ThisColumn, OtherColumn, ColumnCount };

constexpr int ListMinimumWidth = 560;
constexpr int ListMinimumHeight = 240;

QString Summary(const std::vector<DifferenceText>& differences)
{
    if (differences.empty())
        return DisplayMessage({MessageId::CompareSame});
    return DisplayMessage({MessageId::CompareDifferenceCount, {std::to_string(differences.size())}});
}

void FillRow(QTableWidget* list, int row, const DifferenceText& difference)
{
    const QString cells[ColumnCount] = {QString::fromStdString(difference.place),
                                        QString::fromStdString(difference.first),
                                        QString::fromStdString(difference.second)};
    for (int column = 0; column < ColumnCount; ++column)
        list->setItem(row, column, new QTableWidgetItem(cells[column]));
}

QTableWidget* NewDifferenceList(const std::vector<DifferenceText>& differences, const QString& other,
                                QWidget* parent)
{
    auto* list = new QTableWidget(int(differences.size()), ColumnCount, parent);
    list->setObjectName("DifferenceList");
    list->setAccessibleName(Summary(differences));
    list->setHorizontalHeaderLabels(
        {DisplayMessage({MessageId::ColumnWhere}), DisplayMessage({MessageId::CompareThisRecord}), other});
    list->verticalHeader()->setVisible(false);
    list->horizontalHeader()->setStretchLastSection(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setMinimumSize(ListMinimumWidth, ListMinimumHeight);
    for (size_t row = 0; row < differences.size(); ++row)
        FillRow(list, int(row), differences[row]);
    list->resizeColumnsToContents();
    list->setVisible(!differences.empty());
    return list;
}

QPushButton* NewButton(const char* objectName, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAccessibleName(caption);
    return button;
}

}

CompareDialog::CompareDialog(const std::vector<DifferenceText>& differences, const QString& other, bool offerWrite,
                             QWidget* owner)
    : QDialog(owner),
      CompareText(new QLabel(Summary(differences), this)),
      DifferenceList(NewDifferenceList(differences, other, this)),
      WriteFileBtn(NewButton("WriteFileBtn", DisplayMessage({MessageId::WriteFileToRadio}), this)),
      CloseBtn(NewButton("CloseBtn", DisplayMessage({MessageId::CloseWindow}), this))
{
    setObjectName("CompareDlg");
    CompareText->setObjectName("CompareText");
    CompareText->setWordWrap(true);
    CompareText->setAccessibleName(CompareText->text());
    // Writing changes the radio: it must be a deliberate click, not an Enter.
    CloseBtn->setDefault(true);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(WriteFileBtn, QDialogButtonBox::AcceptRole);
    buttons->addButton(CloseBtn, QDialogButtonBox::RejectRole);
    // After the box: adding a button shows it.
    WriteFileBtn->setVisible(offerWrite);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CompareText);
    layout->addWidget(DifferenceList);
    layout->addWidget(buttons);
    ReturnFocusWhenClosed(*this);
}
