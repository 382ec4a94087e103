#include "ui/ImportReportDialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "lang/AppLang.h"
#include "lang/CsvReportText.h"
#include "lang/DisplayMessage.h"
#include "lang/TextLookup.h"
#include "lang/TextTable.h"

namespace {
constexpr int NotesWidth = 560;
constexpr int NotesHeight = 260;
}

ImportReportDialog::ImportReportDialog(const ChannelCsvImport& outcome, QWidget* owner, ChannelTableSource source)
    : QDialog(owner)
{
    const bool pasted = source == ChannelTableSource::Clipboard;
    const QString title = DisplayMessage({pasted ? MessageId::PasteReportTitle : MessageId::ImportCsv});
    setObjectName("ImportReportDlg");
    setWindowTitle(title);

    const MessageId summary = pasted ? MessageId::ChannelsPasted : MessageId::CsvImported;
    Summary = new QLabel(DisplayMessage({summary, {std::to_string(outcome.imported)}}), this);
    Summary->setObjectName("ImportReportSummary");
    Summary->setAccessibleName(Summary->text());

    const QStringList lines = DisplayTexts(CsvImportReportLines(outcome, AppLang().LangType()));
    Notes = new QPlainTextEdit(lines.join('\n'), this);
    Notes->setObjectName("ImportReportNotes");
    Notes->setAccessibleName(title);
    Notes->setReadOnly(true);
    Notes->setMinimumSize(NotesWidth, NotesHeight);
    Notes->setVisible(!lines.isEmpty());

    OKBtn = new QPushButton(DisplayText(NoticeOkText()), this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Summary);
    layout->addWidget(Notes);
    layout->addWidget(OKBtn, 0, Qt::AlignHCenter);
}

void ImportReportDialog::AddSummaryLines(const QStringList& lines)
{
    Summary->setText((QStringList{Summary->text()} + lines).join('\n'));
    Summary->setAccessibleName(Summary->text());
}
