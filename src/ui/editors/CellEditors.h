#pragma once

#include "ui/editors/InputGuards.h"

class QComboBox;
class QLineEdit;
class QWidget;

// The channel grid's in-place editors, hidden until a cell is edited. The boxes that are typed into
// tell `leftOut` what their rules took out of what was typed.

// `Edit_ChFreq`: frequencies as megahertz with one decimal point, nine characters at most.
QLineEdit* CreateFrequencyCellEditor(QWidget* parent, const LeftOutCharacters& leftOut);

// `ComboBox1`: an editable list of the channel tones; a tone may also be typed.
QComboBox* CreateToneCellEditor(QWidget* parent, const LeftOutCharacters& leftOut);

// `Edit_ChName`: a channel name, cut at a character boundary to what the record holds.
QLineEdit* CreateNameCellEditor(QWidget* parent, const LeftOutCharacters& leftOut);

// `cbCh_SquelchMode`: the per-channel squelch modes, filled anew each time it opens.
QComboBox* CreateSquelchModeCellEditor(QWidget* parent);

// `cbCh_Choice`: the values of the stepped columns (power, bandwidth, scan, busy lock, DTMF) as a
// list, for the keyboard; filled anew each time it opens.
QComboBox* CreateChoiceCellEditor(QWidget* parent);
