#include "ui/editors/EditorPages.h"

#include <optional>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QTableWidget>
#include <QTimer>

#include "lang/AppLang.h"
#include "lang/ChannelCells.h"
#include "lang/ChannelTexts.h"
#include "lang/DisplayMessage.h"
#include "lang/EntryMessage.h"
#include "lang/RecordText.h"
#include "lang/TextTable.h"
#include "model/ChannelRules.h"
#include "notices/Notices.h"
#include "ui/editors/CellEditors.h"
#include "ui/editors/FocusLoss.h"
#include "ui/editors/InPlaceEditing.h"
#include "ui/editors/TitledGrid.h"

namespace {

const TitledGridShape ChannelGridShape{
    "StringGrid1",
    {30, 64, 64, 74, 74, 64, 64, 64, 80, 64, 110, 50},
    int(ChannelCount) + 1,
    GridCellPainter::Background::StripedRows,
};

// A cell whose typed value the field's rule changed or refused stands out for a moment.
constexpr int FlashMs = 1500;
const QColor FlashColour(255, 214, 153);

bool IsFrequencyColumn(int column) { return column == ColRxFreq || column == ColTxFreq; }
bool IsToneColumn(int column) { return column == ColDecodeTone || column == ColEncodeTone; }

QString CellTextOf(const RadioSettings& settings, int row, ChannelColumn column)
{
    return QString::fromStdString(ChannelCellText(settings, unsigned(row), column, AppLang().LangType()));
}

// The keys that do what a double-click does.
bool IsOpenKey(const QKeyEvent* key)
{
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
    case Qt::Key_Space:
        return true;
    default:
        return false;
    }
}

// Tab and Shift+Tab; with Ctrl they switch pages.
bool IsTabKey(const QKeyEvent* key)
{
    return (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && !(key->modifiers() & Qt::ControlModifier);
}

bool IsListKey(const QKeyEvent* key) { return key->key() == Qt::Key_Down && key->modifiers() == Qt::AltModifier; }

// What a key types over a cell: printable text, unless a modifier makes the key a command.
QString TypedText(const QKeyEvent* key)
{
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    const QString text = key->text();
    return !text.isEmpty() && text[0].isPrint() ? text : QString();
}

}

struct ChannelGridEditor::Impl : QObject {
    Impl(RadioSettings& settings, const BandLimits& band, ChannelGridEditor* page);

    bool eventFilter(QObject* watched, QEvent* event) override;
    bool PressKey(const QKeyEvent* key);

    void Refresh();
    void RedrawRow(int row);
    void ClearRow(int row);
    bool CanEdit(int row, int column) const;
    void OpenEditor(int row, int column);
    bool TypeOver(int row, int column, const QKeyEvent* key);
    bool OpenList(int row, int column);
    void Show(QWidget* editor, int row, int column);
    void OpenFrequencyEditor(int row, int column, const QString& text);
    void OpenToneEditor(int row, int column, const QString& text);
    void OpenNameEditor(int row, int column, const QString& text);
    QComboBox* OpenSquelchModeEditor(int row, int column);
    QComboBox* OpenChoiceEditor(int row, int column);
    void Step(int row, int column);
    void LeaveFrequencyEditor();
    void LeaveToneEditor();
    void LeaveSquelchModeEditor();
    void LeaveChoiceEditor();
    void LeaveNameEditor();
    std::string Shown(int row, int column) const;
    void Report(std::optional<Message> message, int row, int column);
    void Flash(int row, int column);
    void ClearCell(int row, int column);
    void PressRowTitle(int row);
    void SelectRows(int first, int last, QItemSelectionModel::SelectionFlags how);
    ChannelNumbers SelectedRows() const;

    RadioSettings& settings;
    const BandLimits& band;
    ChannelGridEditor* page;
    QTableWidget* grid;
    QString leftOut;  // what the open editor's rules took out of what was typed
    LeftOutCharacters keepLeftOut;
    QLineEdit* frequencyEditor;
    QComboBox* toneEditor;
    QComboBox* squelchModeEditor;
    QComboBox* choiceEditor;
    QLineEdit* nameEditor;
    InPlaceEditing editing;
    int anchorRow = 1;  // where a Shift-click on a row title extends the selection from
};

ChannelGridEditor::Impl::Impl(RadioSettings& s, const BandLimits& b, ChannelGridEditor* owner)
    : settings(s),
      band(b),
      page(owner),
      grid(CreateTitledGrid(owner, ChannelGridShape)),
      keepLeftOut([this](const QString& left) { leftOut += left; }),
      frequencyEditor(CreateFrequencyCellEditor(owner, keepLeftOut)),
      toneEditor(CreateToneCellEditor(owner, keepLeftOut)),
      squelchModeEditor(CreateSquelchModeCellEditor(owner)),
      choiceEditor(CreateChoiceCellEditor(owner)),
      nameEditor(CreateNameCellEditor(owner, keepLeftOut)),
      editing(grid)
{
    for (int row = 1; row <= int(ChannelCount); ++row) {
        SetCellText(grid, row, ColNumber, CellTextOf(settings, row, ColNumber));
        // A row title takes clicks, which select its row, but is never selected itself.
        grid->item(row, ColNumber)->setFlags(Qt::ItemIsEnabled);
    }
    grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(grid, &QTableWidget::cellPressed, this, [this](int row, int column) {
        if (column == ColNumber)
            PressRowTitle(row);
    });
    grid->installEventFilter(this);
    connect(grid, &QTableWidget::cellDoubleClicked, this, &Impl::OpenEditor);
    OnFocusLoss(frequencyEditor, this, [this] { LeaveFrequencyEditor(); });
    OnFocusLoss(toneEditor, this, [this] { LeaveToneEditor(); });
    OnFocusLoss(squelchModeEditor, this, [this] { LeaveSquelchModeEditor(); });
    OnFocusLoss(choiceEditor, this, [this] { LeaveChoiceEditor(); });
    OnFocusLoss(nameEditor, this, [this] { LeaveNameEditor(); });
}

bool ChannelGridEditor::Impl::eventFilter(QObject*, QEvent* event)
{
    return event->type() == QEvent::KeyPress && PressKey(static_cast<QKeyEvent*>(event));
}

bool ChannelGridEditor::Impl::PressKey(const QKeyEvent* key)
{
    if (IsTabKey(key)) {
        const bool forward = key->key() == Qt::Key_Tab;
        return editing.TabAlong(forward ? InPlaceEditing::Move::Next : InPlaceEditing::Move::Previous);
    }
    const int row = grid->currentRow();
    const int column = grid->currentColumn();
    if (!CanEdit(row, column))
        return false;
    if (IsListKey(key))
        return OpenList(row, column);
    if (IsOpenKey(key)) {
        OpenEditor(row, column);
        return true;
    }
    return TypeOver(row, column, key);
}

void ChannelGridEditor::Impl::Refresh()
{
    const auto titles = ChannelColumnTitles(AppLang().LangType());
    for (int column = 0; column < ChannelColumnCount; ++column)
        SetCellText(grid, 0, column, QString::fromStdString(titles[size_t(column)]));
    grid->setAccessibleName(Tr(TextEntry::ChannelInformation));
    for (int row = 1; row <= int(ChannelCount); ++row)
        RedrawRow(row);
}

void ChannelGridEditor::Impl::RedrawRow(int row)
{
    if (!settings.IsChannelUsed(unsigned(row))) {
        ClearRow(row);
        return;
    }
    for (int column = ColRxFreq; column < ChannelColumnCount; ++column) {
        const QString text = CellTextOf(settings, row, ChannelColumn(column));
        // A busy lock without a text of its own (value 3) leaves its cell as it was.
        if (column != ColBusyLock || !text.isEmpty())
            SetCellText(grid, row, column, text);
    }
}

void ChannelGridEditor::Impl::ClearRow(int row)
{
    for (int column = ColRxFreq; column < ChannelColumnCount; ++column)
        SetCellText(grid, row, column, QString());
    settings.SetChannelUsed(unsigned(row), false);
}

bool ChannelGridEditor::Impl::CanEdit(int row, int column) const
{
    if (row < 1 || row > int(ChannelCount) || column <= ColNumber)
        return false;
    return column == ColRxFreq || !CellText(grid, row, ColRxFreq).isEmpty();
}

// What a double-click on the cell does.
void ChannelGridEditor::Impl::OpenEditor(int row, int column)
{
    if (!CanEdit(row, column))
        return;
    const QString text = CellText(grid, row, column);
    if (IsFrequencyColumn(column)) {
        OpenFrequencyEditor(row, column, text);
        frequencyEditor->selectAll();
    } else if (IsToneColumn(column)) {
        OpenToneEditor(row, column, text);
        toneEditor->lineEdit()->selectAll();
    } else if (column == ColSquelchMode) {
        OpenSquelchModeEditor(row, column);
    } else if (column == ColName) {
        OpenNameEditor(row, column, text);
        nameEditor->selectAll();
    } else {
        Step(row, column);
    }
}

// The typed characters start the cell's new value, as in a spreadsheet; a list takes them as the
// start of a choice. A character the cell cannot take is left out, and the user told so.
bool ChannelGridEditor::Impl::TypeOver(int row, int column, const QKeyEvent* key)
{
    const QString typed = TypedText(key);
    if (typed.isEmpty())
        return false;
    if (IsFrequencyColumn(column) || IsToneColumn(column)) {
        const TypedCharacterRule rule = IsToneColumn(column) ? ToneCharacter : GridFrequencyCharacter;
        const QString accepted = AcceptedCharacters(typed, rule);
        if (accepted.isEmpty())
            Report(KeysLeftOutMessage(Shown(row, column), typed.toStdString()), row, column);
        else if (IsToneColumn(column))
            OpenToneEditor(row, column, accepted);
        else
            OpenFrequencyEditor(row, column, accepted);
    } else if (column == ColName) {
        OpenNameEditor(row, column, typed);
    } else {
        QComboBox* list = column == ColSquelchMode ? OpenSquelchModeEditor(row, column) : OpenChoiceEditor(row, column);
        // A search the list's view still runs from the last cell would take these keys as more of it.
        list->view()->keyboardSearch({});
        QKeyEvent search(QEvent::KeyPress, key->key(), key->modifiers(), typed);
        QApplication::sendEvent(list, &search);
    }
    return true;
}

bool ChannelGridEditor::Impl::OpenList(int row, int column)
{
    QComboBox* list = nullptr;
    if (IsToneColumn(column)) {
        OpenToneEditor(row, column, CellText(grid, row, column));
        list = toneEditor;
    } else if (column == ColSquelchMode) {
        list = OpenSquelchModeEditor(row, column);
    } else if (!IsFrequencyColumn(column) && column != ColName) {
        list = OpenChoiceEditor(row, column);
    }
    if (list)
        list->showPopup();
    return list != nullptr;
}

void ChannelGridEditor::Impl::Show(QWidget* editor, int row, int column)
{
    leftOut.clear();
    editing.Open(editor, row, column);
}

void ChannelGridEditor::Impl::OpenFrequencyEditor(int row, int column, const QString& text)
{
    Show(frequencyEditor, row, column);
    frequencyEditor->setText(text);
    frequencyEditor->end(false);
}

void ChannelGridEditor::Impl::OpenToneEditor(int row, int column, const QString& text)
{
    Show(toneEditor, row, column);
    toneEditor->setCurrentIndex(toneEditor->findText(text));
    toneEditor->setEditText(text);
    toneEditor->lineEdit()->end(false);
}

void ChannelGridEditor::Impl::OpenNameEditor(int row, int column, const QString& text)
{
    Show(nameEditor, row, column);
    nameEditor->setText(text);
    nameEditor->end(false);
}

QComboBox* ChannelGridEditor::Impl::OpenSquelchModeEditor(int row, int column)
{
    squelchModeEditor->clear();
    squelchModeEditor->addItems(DisplayTexts(ChSquelchModeTexts(AppLang().LangType())));
    squelchModeEditor->setCurrentIndex(squelchModeEditor->findText(CellText(grid, row, column)));
    Show(squelchModeEditor, row, column);
    return squelchModeEditor;
}

QComboBox* ChannelGridEditor::Impl::OpenChoiceEditor(int row, int column)
{
    choiceEditor->clear();
    for (const ChannelChoice& choice : ChannelColumnChoices(ChannelColumn(column), AppLang().LangType()))
        choiceEditor->addItem(QString::fromStdString(choice.text), choice.value);
    choiceEditor->setCurrentIndex(choiceEditor->findText(CellText(grid, row, column)));
    Show(choiceEditor, row, column);
    return choiceEditor;
}

void ChannelGridEditor::Impl::Step(int row, int column)
{
    StepChannelCell(settings.Channel[row], ChannelColumn(column));
    RedrawRow(row);
    emit page->CellValueChanged();
}

void ChannelGridEditor::Impl::LeaveFrequencyEditor()
{
    if (!editing.IsOpen(frequencyEditor))
        return;
    const int row = editing.Row();
    const int column = editing.Column();
    const std::string text = frequencyEditor->text().toStdString();
    const Entered<uint32_t> entered = column == ColRxFreq ? EnterReceiveFrequency(settings, unsigned(row), text, band)
                                                          : EnterTransmitFrequency(settings.Channel[row], text, band);
    RedrawRow(row);
    // The cell, not the value: a refused text in an empty row leaves the row empty.
    Report(EntryMessage(EnteredField::Frequency, entered.outcome, text, Shown(row, column), band), row, column);
    editing.Finish();
}

void ChannelGridEditor::Impl::LeaveToneEditor()
{
    if (!editing.IsOpen(toneEditor))
        return;
    const int row = editing.Row();
    const int column = editing.Column();
    const std::string text = toneEditor->currentText().toStdString();
    ChannelRecord& channel = settings.Channel[row];
    const Entered<ToneSetting> entered =
        column == ColDecodeTone ? EnterDecodeTone(channel, text) : EnterEncodeTone(channel, text);
    RedrawRow(row);
    Report(EntryMessage(EnteredField::Tone, entered), row, column);
    editing.Finish();
}

void ChannelGridEditor::Impl::LeaveSquelchModeEditor()
{
    if (!editing.IsOpen(squelchModeEditor))
        return;
    const int mode = squelchModeEditor->currentIndex();
    if (mode >= 0)
        settings.Channel[editing.Row()].SetChSquelchMode(uint8_t(mode));
    RedrawRow(editing.Row());
    Report(std::nullopt, editing.Row(), editing.Column());
    editing.Finish();
}

// Choosing the text the cell shows keeps the value, one without a text of its own (power 3) too.
void ChannelGridEditor::Impl::LeaveChoiceEditor()
{
    if (!editing.IsOpen(choiceEditor))
        return;
    const int row = editing.Row();
    const int column = editing.Column();
    if (choiceEditor->currentIndex() >= 0 && choiceEditor->currentText() != CellText(grid, row, column))
        SetChannelChoice(settings.Channel[row], ChannelColumn(column), uint8_t(choiceEditor->currentData().toUInt()));
    RedrawRow(row);
    Report(std::nullopt, row, column);
    editing.Finish();
}

void ChannelGridEditor::Impl::LeaveNameEditor()
{
    if (!editing.IsOpen(nameEditor))
        return;
    const int row = editing.Row();
    ChannelRecord& channel = settings.Channel[row];
    const Entered<std::string> entered = NameEntry(nameEditor->text().toStdString(), NameCapacity);
    StoreRecordText(entered.value, channel.Name, NameCapacity);
    RedrawRow(row);
    Report(EntryMessage(EnteredField::Name, entered), row, editing.Column());
    editing.Finish();
}

// What a message about the cell starts with: its text, or the column's title while it is empty.
std::string ChannelGridEditor::Impl::Shown(int row, int column) const
{
    const QString text = CellText(grid, row, column);
    return (text.isEmpty() ? CellText(grid, 0, column) : text).toStdString();
}

// Says what became of what was typed: what the field's rule changed, or else the characters the
// editor left out while it was typed into. A value stored as typed clears what was said before.
void ChannelGridEditor::Impl::Report(std::optional<Message> message, int row, int column)
{
    if (!message && !leftOut.isEmpty())
        message = KeysLeftOutMessage(Shown(row, column), leftOut.toStdString());
    leftOut.clear();
    emit page->EntryNoted(message ? DisplayMessage(*message) : QString());
    if (message)
        Flash(row, column);
}

void ChannelGridEditor::Impl::Flash(int row, int column)
{
    grid->item(row, column)->setBackground(FlashColour);
    QTimer::singleShot(FlashMs, this, [this, row, column] {
        grid->item(row, column)->setData(Qt::BackgroundRole, {});
    });
}

void ChannelGridEditor::Impl::ClearCell(int row, int column)
{
    if (!CanEdit(row, column) || !settings.IsChannelUsed(unsigned(row)))
        return;
    ChannelRecord& channel = settings.Channel[row];
    switch (column) {
    case ColRxFreq:
        if (!Confirm(grid, DisplayMessage({MessageId::ClearWholeChannel, {std::to_string(row)}}), Tr(TextEntry::Ok),
                     Tr(TextEntry::Cancel)))
            return;
        ClearChannelRows(settings, {unsigned(row)});
        break;
    case ColTxFreq:
        EnterTransmitFrequency(channel, {}, band);
        break;
    case ColDecodeTone:
        EnterDecodeTone(channel, FormatToneText(ToneCodeOff, ToneNone));
        break;
    case ColEncodeTone:
        EnterEncodeTone(channel, FormatToneText(ToneCodeOff, ToneNone));
        break;
    case ColName:
        StoreRecordText({}, channel.Name, NameCapacity);
        break;
    default:
        return;
    }
    RedrawRow(row);
    emit page->CellValueChanged();
}

// Click, Shift-click and Ctrl-click on row titles select rows as in any list.
void ChannelGridEditor::Impl::PressRowTitle(int row)
{
    const Qt::KeyboardModifiers keys = QApplication::keyboardModifiers();
    if (keys & Qt::ShiftModifier) {
        SelectRows(std::min(anchorRow, row), std::max(anchorRow, row), QItemSelectionModel::ClearAndSelect);
        return;
    }
    anchorRow = row;
    SelectRows(row, row, keys & Qt::ControlModifier ? QItemSelectionModel::Toggle : QItemSelectionModel::ClearAndSelect);
}

void ChannelGridEditor::Impl::SelectRows(int first, int last, QItemSelectionModel::SelectionFlags how)
{
    const QAbstractItemModel* model = grid->model();
    const QItemSelection rows(model->index(first, ColRxFreq), model->index(last, ChannelColumnCount - 1));
    grid->selectionModel()->select(rows, how);
}

ChannelNumbers ChannelGridEditor::Impl::SelectedRows() const
{
    ChannelNumbers channels;
    for (int row = 1; row <= int(ChannelCount); ++row)
        if (grid->selectionModel()->isSelected(grid->model()->index(row, ColRxFreq)) &&
            grid->selectionModel()->isSelected(grid->model()->index(row, ChannelColumnCount - 1)))
            channels.push_back(unsigned(row));
    return channels;
}

ChannelGridEditor::ChannelGridEditor(RadioSettings& settings, const BandLimits& band, QWidget* parent)
    : QWidget(parent), impl_(new Impl(settings, band, this))
{
    setFixedSize(impl_->grid->size());
    setFocusProxy(impl_->grid);
}

ChannelGridEditor::~ChannelGridEditor() = default;

void ChannelGridEditor::Refresh() { impl_->Refresh(); }

ChannelNumbers ChannelGridEditor::SelectedChannels() const
{
    ChannelNumbers channels = impl_->SelectedRows();
    const int current = impl_->grid->currentRow();
    if (channels.empty() && current >= 1 && current <= int(ChannelCount))
        channels.push_back(unsigned(current));
    return channels;
}

bool ChannelGridEditor::RowsSelected() const { return !impl_->SelectedRows().empty(); }

void ChannelGridEditor::SelectChannels(const ChannelNumbers& channels)
{
    impl_->grid->selectionModel()->clearSelection();
    for (unsigned n : channels)
        impl_->SelectRows(int(n), int(n), QItemSelectionModel::Select);
}

void ChannelGridEditor::OfferRowCommands(const std::vector<QAction*>& commands)
{
    for (QAction* command : commands)
        impl_->grid->addAction(command);
}

void ChannelGridEditor::ClearCurrentCell()
{
    impl_->ClearCell(impl_->grid->currentRow(), impl_->grid->currentColumn());
}
