#include "ui/editors/EditorPages.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>

#include "lang/AppLang.h"
#include "lang/ChannelCells.h"
#include "lang/ChannelTexts.h"
#include "lang/TextTable.h"
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

bool IsFrequencyColumn(int column) { return column == ColRxFreq || column == ColTxFreq; }
bool IsToneColumn(int column) { return column == ColDecodeTone || column == ColEncodeTone; }

QString CellTextOf(const RadioSettings& settings, int row, ChannelColumn column)
{
    return QString::fromStdString(ChannelCellText(settings, unsigned(row), column, AppLang().LangType()));
}

bool IsEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

bool IsDigit(const QKeyEvent* key)
{
    const QString text = key->text();
    return text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9');
}

}

struct ChannelGridEditor::Impl : QObject {
    Impl(RadioSettings& settings, const BandLimits& band, ChannelGridEditor* page);

    bool eventFilter(QObject* watched, QEvent* event) override;

    void Refresh();
    void RedrawRow(int row);
    void ClearRow(int row);
    bool CanEdit(int row, int column) const;
    void OpenEditor(int row, int column);
    void OpenFrequencyEditor(int row, int column, const QString& text);
    void LeaveEditor(const QWidget* editor, const QString& text);
    void PressRowTitle(int row);
    void SelectRows(int first, int last, QItemSelectionModel::SelectionFlags how);
    ChannelNumbers SelectedChannels() const;

    RadioSettings& settings;
    const BandLimits& band;
    QTableWidget* grid;
    QLineEdit* frequencyEditor;
    QComboBox* toneEditor;
    QComboBox* squelchModeEditor;
    QLineEdit* nameEditor;
    InPlaceEditing editing;
    int anchorRow = 1;  // where a Shift-click on a row title extends the selection from
};

ChannelGridEditor::Impl::Impl(RadioSettings& s, const BandLimits& b, ChannelGridEditor* page)
    : settings(s),
      band(b),
      grid(CreateTitledGrid(page, ChannelGridShape)),
      frequencyEditor(CreateFrequencyCellEditor(page)),
      toneEditor(CreateToneCellEditor(page)),
      squelchModeEditor(CreateSquelchModeCellEditor(page)),
      nameEditor(CreateNameCellEditor(page)),
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
    for (QLineEdit* text : {frequencyEditor, toneEditor->lineEdit(), nameEditor})
        connect(text, &QLineEdit::returnPressed, grid, qOverload<>(&QWidget::setFocus));
    OnFocusLoss(frequencyEditor, this, [this] { LeaveEditor(frequencyEditor, frequencyEditor->text()); });
    OnFocusLoss(toneEditor, this, [this] { LeaveEditor(toneEditor, toneEditor->currentText()); });
    OnFocusLoss(squelchModeEditor, this,
                [this] { LeaveEditor(squelchModeEditor, squelchModeEditor->currentText()); });
    OnFocusLoss(nameEditor, this, [this] { LeaveEditor(nameEditor, nameEditor->text()); });
}

bool ChannelGridEditor::Impl::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const int row = grid->currentRow();
    const int column = grid->currentColumn();
    if (!IsFrequencyColumn(column) || !(IsEnter(key) || IsDigit(key)) || !CanEdit(row, column))
        return false;
    // A typed digit starts the new value, as in a spreadsheet; Enter edits the value shown.
    if (IsDigit(key))
        OpenFrequencyEditor(row, column, key->text());
    else
        OpenEditor(row, column);
    return true;
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

void ChannelGridEditor::Impl::OpenEditor(int row, int column)
{
    if (!CanEdit(row, column))
        return;
    const QString text = CellText(grid, row, column);
    if (IsFrequencyColumn(column)) {
        OpenFrequencyEditor(row, column, text);
        frequencyEditor->selectAll();
    } else if (IsToneColumn(column)) {
        toneEditor->setCurrentIndex(toneEditor->findText(text));
        toneEditor->setEditText(text);
        editing.Open(toneEditor, row, column);
        toneEditor->lineEdit()->selectAll();
    } else if (column == ColSquelchMode) {
        squelchModeEditor->clear();
        squelchModeEditor->addItems(DisplayTexts(ChSquelchModeTexts(AppLang().LangType())));
        squelchModeEditor->setCurrentIndex(squelchModeEditor->findText(text));
        editing.Open(squelchModeEditor, row, column);
    } else if (column == ColName) {
        nameEditor->setText(text);
        editing.Open(nameEditor, row, column);
        nameEditor->selectAll();
    } else {
        StepChannelCell(settings.Channel[row], ChannelColumn(column));
        RedrawRow(row);
    }
}

void ChannelGridEditor::Impl::OpenFrequencyEditor(int row, int column, const QString& text)
{
    frequencyEditor->setText(text);
    editing.Open(frequencyEditor, row, column);
    frequencyEditor->end(false);
}

// Every editor enters its text as typed into the cell; the squelch-mode list holds the texts its cells show.
void ChannelGridEditor::Impl::LeaveEditor(const QWidget* editor, const QString& text)
{
    if (!editing.IsOpen(editor))
        return;
    EnterChannelCell(settings, unsigned(editing.Row()), ChannelColumn(editing.Column()), text.toStdString(), band,
                     AppLang().LangType());
    RedrawRow(editing.Row());
    editing.Finish();
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

ChannelNumbers ChannelGridEditor::Impl::SelectedChannels() const
{
    ChannelNumbers channels;
    for (int row = 1; row <= int(ChannelCount); ++row)
        if (grid->selectionModel()->isSelected(grid->model()->index(row, ColRxFreq)) &&
            grid->selectionModel()->isSelected(grid->model()->index(row, ChannelColumnCount - 1)))
            channels.push_back(unsigned(row));
    const int current = grid->currentRow();
    if (channels.empty() && current >= 1 && current <= int(ChannelCount))
        channels.push_back(unsigned(current));
    return channels;
}

ChannelGridEditor::ChannelGridEditor(RadioSettings& settings, const BandLimits& band, QWidget* parent)
    : QWidget(parent), impl_(new Impl(settings, band, this))
{
    setFixedSize(impl_->grid->size());
}

ChannelGridEditor::~ChannelGridEditor() = default;

void ChannelGridEditor::Refresh() { impl_->Refresh(); }

ChannelNumbers ChannelGridEditor::SelectedChannels() const { return impl_->SelectedChannels(); }

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
