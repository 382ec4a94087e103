#include "sheet/SheetDocument.h"

#include <algorithm>

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include "files/AtomicFile.h"

namespace {

// Laid out at this width in document pixels, then scaled onto the page.
constexpr qreal LayoutWidth = 1000;
constexpr int PdfResolution = 300;
const QMarginsF PageMarginsMm(12, 12, 12, 12);
// Options and keys stand in this many label-value pairs per table row.
constexpr size_t PairsPerRow = 3;

QString Escaped(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

QString ChannelTable(const std::vector<std::vector<std::string>>& rows)
{
    QString html = "<table border='1' cellspacing='0' cellpadding='3' width='100%'>";
    for (size_t r = 0; r < rows.size(); ++r) {
        const QString cell = r == 0 ? "th" : "td";
        html += "<tr>";
        for (const std::string& text : rows[r])
            html += QString("<%1 align='center'>%2</%1>").arg(cell, Escaped(text));
        html += "</tr>";
    }
    return html + "</table>";
}

QString PairTable(const std::vector<LabelledValue>& pairs)
{
    QString html = "<table border='1' cellspacing='0' cellpadding='3' width='100%'>";
    for (size_t i = 0; i < pairs.size(); i += PairsPerRow) {
        html += "<tr>";
        for (size_t j = i; j < i + PairsPerRow; ++j) {
            const bool present = j < pairs.size();
            html += QString("<td>%1</td><td><b>%2</b></td>")
                        .arg(present ? Escaped(pairs[j].label) : QString(), present ? Escaped(pairs[j].value) : QString());
        }
        html += "</tr>";
    }
    return html + "</table>";
}

}

QString SheetHtml(const SheetContent& c)
{
    QString html = "<html><body><h2>" + Escaped(c.title) + "</h2>" + PairTable(c.facts);
    html += "<p></p>" + ChannelTable(c.channelRows);
    html += "<h3>" + Escaped(c.optionsTitle) + "</h3>" + PairTable(c.options);
    html += "<h3>" + Escaped(c.keysTitle) + "</h3>" + PairTable(c.keys);
    return html + "</body></html>";
}

void PaintChannelSheet(const SheetContent& content, QPagedPaintDevice& device)
{
    QTextDocument document;
    // Without shaping no "ff" ligature turns "Off" into a glyph that a reader copies as one character.
    QFont font = document.defaultFont();
    font.setStyleStrategy(QFont::PreferNoShaping);
    document.setDefaultFont(font);
    document.setHtml(SheetHtml(content));
    document.setTextWidth(LayoutWidth);
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QSizeF size = document.size();
    const qreal scale = std::min(page.width() / size.width(), page.height() / size.height());
    QPainter painter(&device);
    painter.scale(scale, scale);
    document.drawContents(&painter);
}

FileResult WriteChannelSheetPdf(const std::string& path, const SheetContent& content)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(PdfResolution);
        pdf.setTitle(QString::fromStdString(content.title));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, PageMarginsMm,
                                      QPageLayout::Millimeter));
        PaintChannelSheet(content, pdf);
    }
    const QByteArray& bytes = buffer.data();
    return WriteFileAtomically(path, reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
}
