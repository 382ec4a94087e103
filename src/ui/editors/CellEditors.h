#pragma once

class QComboBox;
class QLineEdit;
class QWidget;

// The channel grid's in-place editors, hidden until a cell is edited.

// `Edit_ChFreq`: frequencies as megahertz with one decimal point, nine characters at most.
QLineEdit* CreateFrequencyCellEditor(QWidget* parent);

// `ComboBox1`: an editable list of the channel tones; a tone may also be typed.
QComboBox* CreateToneCellEditor(QWidget* parent);

// `Edit_ChName`: a channel name, cut at a character boundary to what the record holds.
QLineEdit* CreateNameCellEditor(QWidget* parent);

// `cbCh_SquelchMode`: the per-channel squelch modes, filled anew each time it opens.
QComboBox* CreateSquelchModeCellEditor(QWidget* parent);
