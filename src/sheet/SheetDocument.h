#pragma once

#include <string>

#include <QString>

#include "files/FileResult.h"
#include "sheet/SheetContent.h"

class QPagedPaintDevice;

// The sheet as rich text: a title, the facts, the channel table, the options and the keys.
QString SheetHtml(const SheetContent& content);

// Paints the sheet on the device's current page, scaled down as far as needed to fit that one page.
void PaintChannelSheet(const SheetContent& content, QPagedPaintDevice& device);

// The sheet as a one-page A4 PDF, written atomically.
FileResult WriteChannelSheetPdf(const std::string& path, const SheetContent& content);
