#pragma once

#include <QFont>

// The font of every window: the Chinese system font the layout was drawn for, falling back to a
// CJK font found on Linux desktops, so Chinese texts never show as empty boxes.
QFont ProgramFont();
