#include "notices/RecordCheckDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "lang/AppLang.h"
#include "lang/DisplayMessage.h"
#include "lang/FindingMessage.h"
#include "lang/TextTable.h"
#include "notices/FocusReturn.h"

namespace {

enum Column { WhereColumn, ValueColumn, ProblemColumn, ColumnCount };

constexpr int ListMinimumWidth = 520;
constexpr int ListMinimumHeight = 200;

void FillRow(QTableWidget* list, int row, const RecordFinding& finding)
{
    const FindingTexts texts = FindingUtf8(finding, AppLang().LangType());
    const QString cells[ColumnCount] = {QString::fromStdString(texts.where), QString::fromStdString(texts.value),
                                        QString::fromStdString(texts.problem)};
    for (int column = 0; column < ColumnCount; ++column)
        list->setItem(row, column, new QTableWidgetItem(cells[column]));
}

QTableWidget* NewFindingList(const std::vector<RecordFinding>& findings, QWidget* parent)
{
    auto* list = new QTableWidget(int(findings.size()), ColumnCount, parent);
    list->setObjectName("FindingList");
    list->setAccessibleName(DisplayMessage({MessageId::CheckListTitle}));
    list->setHorizontalHeaderLabels({DisplayMessage({MessageId::ColumnWhere}),
                                     DisplayMessage({MessageId::ColumnValue}),
                                     DisplayMessage({MessageId::ColumnProblem})});
    list->verticalHeader()->setVisible(false);
    list->horizontalHeader()->setStretchLastSection(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setMinimumSize(ListMinimumWidth, ListMinimumHeight);
    for (size_t row = 0; row < findings.size(); ++row)
        FillRow(list, int(row), findings[row]);
    list->resizeColumnsToContents();
    return list;
}

}

TRecordCheckDlg::TRecordCheckDlg(const std::vector<RecordFinding>& findings, Purpose purpose, QWidget* owner)
    : QDialog(owner),
      CheckText(new QLabel(this)),
      FindingList(NewFindingList(findings, this)),
      OKBtn(new QPushButton(this)),
      CancelBtn(new QPushButton(Tr(TextEntry::Cancel), this))
{
    const bool beforeWrite = purpose == Purpose::BeforeWrite;
    setObjectName("RecordCheckDlg");
    setWindowTitle(DisplayMessage({MessageId::CheckListTitle}));
    CheckText->setObjectName("CheckText");
    CheckText->setWordWrap(true);
    CheckText->setText(DisplayMessage({beforeWrite ? MessageId::CheckListBeforeWrite : MessageId::CheckListAfterOpen}));
    CheckText->setAccessibleName(CheckText->text());
    OKBtn->setObjectName("OKBtn");
    OKBtn->setText(beforeWrite ? DisplayMessage({MessageId::WriteAnyway}) : Tr(TextEntry::Ok));
    OKBtn->setAccessibleName(OKBtn->text());
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setAccessibleName(CancelBtn->text());
    // Writing a record the radio cannot take must be a deliberate choice, not an Enter.
    (beforeWrite ? CancelBtn : OKBtn)->setDefault(true);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(OKBtn, QDialogButtonBox::AcceptRole);
    buttons->addButton(CancelBtn, QDialogButtonBox::RejectRole);
    // After the box: adding a button shows it.
    CancelBtn->setVisible(beforeWrite);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CheckText);
    layout->addWidget(FindingList);
    layout->addWidget(buttons);
    ReturnFocusWhenClosed(*this);
}

bool ConfirmWriteDespite(QWidget* parent, const std::vector<RecordFinding>& findings)
{
    if (findings.empty())
        return true;
    TRecordCheckDlg dialog(findings, TRecordCheckDlg::Purpose::BeforeWrite, parent);
    return dialog.exec() == QDialog::Accepted;
}

void ShowFileFindings(QWidget* parent, const std::vector<RecordFinding>& findings)
{
    if (findings.empty())
        return;
    TRecordCheckDlg dialog(findings, TRecordCheckDlg::Purpose::AfterOpen, parent);
    dialog.exec();
}
