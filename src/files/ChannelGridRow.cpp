#include "files/ChannelGridRow.h"

#include "files/CsvTable.h"
#include "files/CsvTones.h"
#include "model/ChannelFields.h"
#include "model/Frequency.h"
#include "model/TypedTone.h"

namespace {

using Cells = std::array<std::string, GridColumnCount>;

constexpr const char* PowerTexts[] = {PowerLowText, PowerHighText, PowerMidText};
constexpr const char* ScanSkipTexts[] = {SkipScan, ""};
constexpr const char* ModeTexts[] = {ModeNarrow, ModeWide};
constexpr const char* DtmfTexts[] = {DtmfOffText, DtmfOnText};

class GridRowReader {
public:
    GridRowReader(const Cells& cells, const GridTableWords& words) : cells_(cells), words_(words) {}

    GridRowFields Read()
    {
        Set(ColName, cells_[size_t(GridColumn::Name)]);
        Set(ColFrequency, Cell(GridColumn::RxFreq));
        TransmitFrequency();
        Tones();
        Choice(GridColumn::Power, ColPower, PowerTexts);
        Choice(GridColumn::Bandwidth, ColMode, ModeTexts);
        Choice(GridColumn::ScanAdd, ColSkip, ScanSkipTexts);
        Choice(GridColumn::BusyLock, ColBusyLock, BusyLockTexts);
        Choice(GridColumn::Dtmf, ColDtmf, DtmfTexts);
        Choice(GridColumn::SquelchMode, ColSquelchMode, SquelchModeTexts);
        return std::move(row_);
    }

private:
    std::string Cell(GridColumn column) const { return WithoutBlanks(cells_[size_t(column)]); }
    void Set(CsvColumn column, std::string text) { row_.fields[column] = std::move(text); }

    void Note(CsvRowIssue issue, GridColumn column)
    {
        const std::vector<std::string>& titles = words_[size_t(column)].titles;
        row_.notes.push_back({issue, (titles.empty() ? std::string() : titles.front()) + "=" + Cell(column)});
    }

    // An empty cell is the receive frequency; 0 is none.
    void TransmitFrequency()
    {
        const std::string tx = Cell(GridColumn::TxFreq);
        if (tx.empty())
            return;
        if (ParseMegahertz(tx) == 0u) {
            Set(ColDuplex, DuplexOff);
            return;
        }
        Set(ColDuplex, DuplexSplit);
        Set(ColOffset, tx);
    }

    void Tone(GridColumn column, ToneType& type, ToneCode& code)
    {
        if (!ParseTypedTone(Cell(column), type, code)) {
            Note(CsvRowIssue::ToneDropped, column);
            type = ToneNone;
            code = 0;
        }
    }

    void Tones()
    {
        ChannelTones tones;
        Tone(GridColumn::DecodeTone, tones.decType, tones.decCode);
        Tone(GridColumn::EncodeTone, tones.encType, tones.encCode);
        const CsvToneColumns columns = ToneColumnsOf(tones);
        Set(ColTone, columns.tone);
        Set(ColRToneFreq, columns.rToneFreq);
        Set(ColCToneFreq, columns.cToneFreq);
        Set(ColDtcsCode, columns.dtcsCode);
        Set(ColDtcsPolarity, columns.dtcsPolarity);
        Set(ColRxDtcsCode, columns.rxDtcsCode);
        Set(ColCrossMode, columns.crossMode);
    }

    // The exchanged table's word for the value the cell's word stands for; an empty cell leaves
    // the import's default.
    template <size_t N>
    void Choice(GridColumn column, CsvColumn field, const char* const (&texts)[N])
    {
        const std::string cell = Cell(column);
        if (cell.empty())
            return;
        for (const GridTableWord& word : words_[size_t(column)].words) {
            if (SameCsvWord(cell, word.text) && word.value < N) {
                Set(field, texts[word.value]);
                return;
            }
        }
        Note(CsvRowIssue::ValueIgnored, column);
    }

    const Cells& cells_;
    const GridTableWords& words_;
    GridRowFields row_;
};

}

GridRowFields ExchangeFieldsOfGridRow(const Cells& cells, const GridTableWords& words)
{
    return GridRowReader(cells, words).Read();
}
