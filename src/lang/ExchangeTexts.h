#pragma once

#include <QString>

// Captions of the channel table exchange and the channel sheet, in the interface language.
enum class ExchangeText : int {
    ImportCsv,         // the File item and the title of its file dialog
    ExportCsv,
    PrintSheet,
    ExportSheetPdf,
    SheetTitle,
    SheetFile,
    SheetDate,  // the last
};

QString ExchangeTr(ExchangeText text);
