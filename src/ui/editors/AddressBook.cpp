#include "ui/editors/AddressBook.h"

#include <QLineEdit>
#include <QTableWidget>

#include "lang/DisplayMessage.h"
#include "lang/RecordText.h"
#include "lang/TextTable.h"
#include "model/AddressBookEntries.h"
#include "model/FieldEntry.h"
#include "ui/editors/DtmfCodeInput.h"
#include "ui/editors/FocusLoss.h"
#include "ui/editors/InputGuards.h"
#include "ui/editors/TitledGrid.h"

namespace {

enum AddressBookColumn : int { ColEntryNumber, ColName, ColCode };

const TitledGridShape AddressBookShape{
    "sgD_AddrBook",
    {30, 70, 130},
    int(AddrBookEntryCount) + 1,
    GridCellPainter::Background::Plain,
};

constexpr TextEntry TitleEntries[] = {TextEntry::EntryNo, TextEntry::EntryName, TextEntry::DtmfCode};

QLineEdit* CreateCellEditor(QWidget* page, const char* name)
{
    auto* editor = new QLineEdit(page);
    editor->setObjectName(name);
    editor->hide();
    return editor;
}

}

AddressBook::AddressBook(RadioSettings& settings, QWidget* page, QPoint topLeft)
    : QObject(page),
      settings_(settings),
      grid_(CreateTitledGrid(page, AddressBookShape)),
      nameEditor_(CreateCellEditor(page, "eD_AddrBook_name")),
      codeEditor_(CreateCellEditor(page, "eD_AddrBook_id")),
      editing_(grid_)
{
    grid_->move(topLeft);
    for (int row = 1; row <= int(AddrBookEntryCount); ++row)
        SetCellText(grid_, row, ColEntryNumber, QString::number(row));
    CorrectAfterEveryChange(nameEditor_, CorrectNameText);
    AcceptDtmfSymbolsOnly(codeEditor_);
    OnFocusLoss(nameEditor_, this, [this] { LeaveNameEditor(); });
    OnFocusLoss(codeEditor_, this, [this] { LeaveCodeEditor(); });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, &AddressBook::OpenEditor);
}

void AddressBook::Refresh()
{
    grid_->setAccessibleName(DisplayMessage({MessageId::AddressBookName}));
    for (int column = ColEntryNumber; column <= ColCode; ++column)
        SetCellText(grid_, 0, column, Tr(TitleEntries[column]));
    for (int row = 1; row <= int(AddrBookEntryCount); ++row)
        RedrawRow(row);
}

void AddressBook::RedrawRow(int row)
{
    const unsigned k = unsigned(row);
    const std::string name =
        settings_.IsAddrBookEntryUsed(k) ? RecordTextUtf8(settings_.Entry(k).EntryName, NameCapacity) : std::string();
    SetCellText(grid_, row, ColName, QString::fromStdString(name));
    SetCellText(grid_, row, ColCode, QString::fromStdString(AddressBookCodeText(settings_, k)));
}

void AddressBook::OpenEditor(int row, int column)
{
    if (row < 1 || row > int(AddrBookEntryCount))
        return;
    QLineEdit* editor = column == ColName ? nameEditor_ : column == ColCode ? codeEditor_ : nullptr;
    if (!editor || (column == ColCode && !AddressBookEntryNamed(settings_, unsigned(row))))
        return;
    editor->setText(CellText(grid_, row, column));
    editing_.Open(editor, row, column);
    editor->selectAll();
}

void AddressBook::LeaveNameEditor()
{
    if (!editing_.IsOpen(nameEditor_))
        return;
    const unsigned k = unsigned(editing_.Row());
    NameAddressBookEntry(settings_, k, NameEntry(nameEditor_->text().toStdString(), NameCapacity).value);
    RedrawRow(int(k));
    editing_.Finish();
}

void AddressBook::LeaveCodeEditor()
{
    if (!editing_.IsOpen(codeEditor_))
        return;
    const unsigned k = unsigned(editing_.Row());
    SetAddressBookCode(settings_, k, DtmfCodeEntry(codeEditor_->text().toStdString(), AddrBookIdCapacity).value);
    RedrawRow(int(k));
    editing_.Finish();
}
