#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QWidget>

#include "model/BandLimits.h"
#include "model/ChannelRows.h"
#include "model/RadioSettings.h"
#include "ui/editors/BoundControls.h"

class AddressBook;
class QAction;
struct FormColumn;

// The main window's editors. Each writes single fields of the record when one of its controls
// loses the focus, and Refresh() re-captions it in the current language and reloads every value.
// What handles a control's focus loss (a page's BoundControls or Impl) is a member, destroyed
// before the page's controls: a control destroyed while it has the focus then writes nothing.

// Channel grid `StringGrid1` with its in-place editors; placed on the channel page. Entered
// frequencies are clamped to `band`, which its owner keeps up to date. Every cell is edited from
// the keyboard too: typing over a cell starts its editor with what was typed (a list takes the
// typed letters as the start of a choice); Enter, F2 and Space do what a double-click does;
// Alt+Down opens a list.
class ChannelGridEditor : public QWidget {
    Q_OBJECT
public:
    ChannelGridEditor(RadioSettings& settings, const BandLimits& band, QWidget* parent);
    ~ChannelGridEditor() override;
    void Refresh();

    // The channels of the selected rows; the current row's when no whole row is selected.
    ChannelNumbers SelectedChannels() const;
    // Whether whole rows are selected, which the row commands then act on.
    bool RowsSelected() const;
    // Selects these rows whole, as a click on their row titles does.
    void SelectChannels(const ChannelNumbers& channels);
    // The row commands, offered in the grid's context menu.
    void OfferRowCommands(const std::vector<QAction*>& commands);
    // Delete on the current cell: empties a value that can be empty (a transmit frequency, a tone,
    // which becomes Off, a name); a receive frequency takes its channel with it, so the user is
    // asked first. The other cells always hold one of their values and stay as they are.
    void ClearCurrentCell();

signals:
    // What became of a value typed into a cell when the field's rule did not store it as typed,
    // in the interface language; empty when it was stored as typed.
    void EntryNoted(const QString& text);
    // A value changed without an editor (a step, a cleared cell): the change is complete.
    void CellValueChanged();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The option page `TabSheet_Option`.
class OptionsPage : public QWidget {
    Q_OBJECT
public:
    OptionsPage(RadioSettings& settings, QWidget* parent);
    void Refresh();

private:
    BoundControls controls_;
};

// The DTMF page `TabSheet_Dtmf` with the address book.
class DtmfPage : public QWidget {
    Q_OBJECT
public:
    DtmfPage(RadioSettings& settings, QWidget* parent);
    void Refresh();

private:
    void PlaceColumn(int column, const FormColumn& form);

    BoundControls controls_;
    AddressBook* addressBook_ = nullptr;
};

// The key page `TabSheet_Key`.
class KeysPage : public QWidget {
    Q_OBJECT
public:
    KeysPage(RadioSettings& settings, QWidget* parent);
    ~KeysPage() override;
    void Refresh();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Batch set: fills a range of channels within `band`; `fullRefresh` redraws the main window after OK.
void RunChannelBatchSet(RadioSettings& settings, const BandLimits& band, std::function<void()> fullRefresh,
                        QWidget* owner);
