#include "ui/editors/EditorPages.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>

#include "model/ChannelRules.h"
#include "ui/editors/CellEditors.h"
#include "ui/editors/ChannelCells.h"
#include "ui/editors/FocusLoss.h"
#include "ui/editors/InPlaceEditing.h"
#include "ui/editors/TitledGrid.h"

namespace {

const TitledGridShape ChannelGridShape{
    "StringGrid1",
    {30, 64, 64, 74, 74, 64, 64, 64, 80, 64, 110},
    int(ChannelCount) + 1,
    GridCellPainter::Background::StripedRows,
};

bool IsFrequencyColumn(int column) { return column == ColRxFreq || column == ColTxFreq; }
bool IsToneColumn(int column) { return column == ColDecodeTone || column == ColEncodeTone; }

bool OpensFrequencyEditor(const QKeyEvent* key)
{
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        return true;
    const QString text = key->text();
    return text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9');
}

QString RowTitle(int row) { return QString("%1").arg(row, 2, 10, QLatin1Char('0')); }

}

struct ChannelGridEditor::Impl : QObject {
    Impl(RadioSettings& settings, ChannelGridEditor* page);

    bool eventFilter(QObject* watched, QEvent* event) override;

    void Refresh();
    void RedrawRow(int row);
    void ClearRow(int row);
    bool CanEdit(int row, int column) const;
    void OpenEditor(int row, int column);
    void StepValue(ChannelRecord& channel, int column);
    void LeaveFrequencyEditor();
    void LeaveToneEditor();
    void LeaveSquelchModeEditor();

    RadioSettings& settings;
    QTableWidget* grid;
    QLineEdit* frequencyEditor;
    QComboBox* toneEditor;
    QComboBox* squelchModeEditor;
    InPlaceEditing editing;
};

ChannelGridEditor::Impl::Impl(RadioSettings& s, ChannelGridEditor* page)
    : QObject(page),
      settings(s),
      grid(CreateTitledGrid(page, ChannelGridShape)),
      frequencyEditor(CreateFrequencyCellEditor(page)),
      toneEditor(CreateToneCellEditor(page)),
      squelchModeEditor(CreateSquelchModeCellEditor(page)),
      editing(grid)
{
    for (int row = 1; row <= int(ChannelCount); ++row)
        SetCellText(grid, row, ColNumber, RowTitle(row));
    grid->installEventFilter(this);
    connect(grid, &QTableWidget::cellDoubleClicked, this, &Impl::OpenEditor);
    connect(frequencyEditor, &QLineEdit::returnPressed, grid, qOverload<>(&QWidget::setFocus));
    OnFocusLoss(frequencyEditor, this, [this] { LeaveFrequencyEditor(); });
    OnFocusLoss(toneEditor, this, [this] { LeaveToneEditor(); });
    OnFocusLoss(squelchModeEditor, this, [this] { LeaveSquelchModeEditor(); });
}

bool ChannelGridEditor::Impl::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int row = grid->currentRow();
    const int column = grid->currentColumn();
    if (!IsFrequencyColumn(column) || !OpensFrequencyEditor(static_cast<QKeyEvent*>(event)) || !CanEdit(row, column))
        return false;
    OpenEditor(row, column);
    return true;
}

void ChannelGridEditor::Impl::Refresh()
{
    const QStringList titles = ChannelColumnTitles();
    for (int column = 0; column < ChannelColumnCount; ++column)
        SetCellText(grid, 0, column, titles[column]);
    for (int row = 1; row <= int(ChannelCount); ++row)
        RedrawRow(row);
}

void ChannelGridEditor::Impl::RedrawRow(int row)
{
    if (!settings.IsChannelUsed(unsigned(row))) {
        ClearRow(row);
        return;
    }
    const ChannelCellTexts texts = CellTextsOf(settings.Channel[row]);
    for (int column = ColRxFreq; column < ChannelColumnCount; ++column)
        if (texts[size_t(column)])
            SetCellText(grid, row, column, *texts[size_t(column)]);
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
        frequencyEditor->setText(text);
        editing.Open(frequencyEditor, row, column);
        frequencyEditor->selectAll();
    } else if (IsToneColumn(column)) {
        toneEditor->setCurrentIndex(toneEditor->findText(text));
        toneEditor->setEditText(text);
        editing.Open(toneEditor, row, column);
        toneEditor->lineEdit()->selectAll();
    } else if (column == ColSquelchMode) {
        squelchModeEditor->clear();
        squelchModeEditor->addItems(ChSquelchModeTexts());
        squelchModeEditor->setCurrentIndex(squelchModeEditor->findText(text));
        editing.Open(squelchModeEditor, row, column);
    } else {
        StepValue(settings.Channel[row], column);
        RedrawRow(row);
    }
}

void ChannelGridEditor::Impl::StepValue(ChannelRecord& channel, int column)
{
    switch (column) {
    case ColPower:
        StepPower(channel);
        break;
    case ColBandwidth:
        channel.SetBandwidth(!channel.Bandwidth());
        break;
    case ColScanAdd:
        channel.SetScanAdd(!channel.ScanAdd());
        break;
    case ColBusyLock:
        StepBusyLock(channel);
        break;
    case ColDtmf:
        channel.SetDtmf(!channel.Dtmf());
        break;
    }
}

void ChannelGridEditor::Impl::LeaveFrequencyEditor()
{
    if (!editing.IsOpen(frequencyEditor))
        return;
    const std::string text = frequencyEditor->text().toStdString();
    if (editing.Column() == ColRxFreq)
        EnterReceiveFrequency(settings, unsigned(editing.Row()), text);
    else
        EnterTransmitFrequency(settings.Channel[editing.Row()], text);
    RedrawRow(editing.Row());
    editing.Finish();
}

void ChannelGridEditor::Impl::LeaveToneEditor()
{
    if (!editing.IsOpen(toneEditor))
        return;
    const std::string text = toneEditor->currentText().toStdString();
    ChannelRecord& channel = settings.Channel[editing.Row()];
    if (editing.Column() == ColDecodeTone)
        EnterDecodeTone(channel, text);
    else
        EnterEncodeTone(channel, text);
    RedrawRow(editing.Row());
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
    editing.Finish();
}

ChannelGridEditor::ChannelGridEditor(RadioSettings& settings, QWidget* parent)
    : QWidget(parent), impl_(new Impl(settings, this))
{
    setFixedSize(impl_->grid->size());
}

void ChannelGridEditor::Refresh() { impl_->Refresh(); }
