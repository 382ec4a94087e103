#include "ui/editors/AddressBook.h"

#include <cstring>

#include <QLineEdit>
#include <QTableWidget>

#include "lang/DisplayMessage.h"
#include "lang/RecordText.h"
#include "lang/TextTable.h"
#include "model/DtmfDigits.h"
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

// A newly named entry dials "0" until it is given a code.
constexpr uint8_t NewEntryCodeLength = 1;

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
    const bool used = settings_.IsAddrBookEntryUsed(k);
    const AddressBookEntry& entry = settings_.Entry(k);
    const QString name = used ? QString::fromStdString(RecordTextUtf8(entry.EntryName, NameCapacity)) : QString();
    const QString code = used ? QString::fromStdString(DtmfText(entry.Id, AddrBookIdCapacity, entry.IdLength)) : QString();
    SetCellText(grid_, row, ColName, name);
    SetCellText(grid_, row, ColCode, code);
}

void AddressBook::OpenEditor(int row, int column)
{
    if (row < 1 || row > int(AddrBookEntryCount))
        return;
    QLineEdit* editor = column == ColName ? nameEditor_ : column == ColCode ? codeEditor_ : nullptr;
    if (!editor || (column == ColCode && CellText(grid_, row, ColName).isEmpty()))
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
    AddressBookEntry& entry = settings_.Entry(k);
    const QString name = nameEditor_->text();
    if (name.isEmpty()) {
        settings_.SetAddrBookEntryUsed(k, false);
    } else {
        if (!settings_.IsAddrBookEntryUsed(k)) {
            settings_.SetAddrBookEntryUsed(k, true);
            std::memset(entry.Id, 0, AddrBookIdCapacity);
            entry.IdLength = NewEntryCodeLength;
        }
        StoreRecordText(NameEntry(name.toStdString(), NameCapacity).value, entry.EntryName, NameCapacity);
    }
    RedrawRow(int(k));
    editing_.Finish();
}

void AddressBook::LeaveCodeEditor()
{
    if (!editing_.IsOpen(codeEditor_))
        return;
    const unsigned k = unsigned(editing_.Row());
    AddressBookEntry& entry = settings_.Entry(k);
    const std::string code = DtmfCodeEntry(codeEditor_->text().toStdString(), AddrBookIdCapacity).value;
    if (code.empty())
        settings_.SetAddrBookEntryUsed(k, false);
    else
        StoreDtmfText(code, entry.Id, AddrBookIdCapacity, entry.IdLength);
    RedrawRow(int(k));
    editing_.Finish();
}
