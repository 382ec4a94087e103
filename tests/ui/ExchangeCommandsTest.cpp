#include <cstring>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QPrintPreviewDialog>
#include <QTableWidget>
#include <QTest>

#include "FileContents.h"
#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "files/ChannelCsv.h"
#include "notices/WarnDialogs.h"
#include "ui/ImportReportDialog.h"

namespace {

std::string Local(const QString& path) { return QFile::encodeName(path).toStdString(); }

class ExchangeCommands : public MainWindowTest {
protected:
    void SetUp() override { StartWindow(); }

    QString CellOf(int row, int column) const
    {
        const auto* item = Control<QTableWidget>("StringGrid1")->item(row, column);
        return item ? item->text() : QString();
    }
};

struct CaptionCase {
    const char* language;
    std::vector<const char*> captions;
};

class ExchangeCaptions : public MainWindowTest, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(ExchangeCaptions, EveryItemInTheLanguage)
{
    WriteSettingsFile(std::string("[config]\nLanguage=") + GetParam().language + "\n");
    StartWindow();
    const char* items[] = {"MenuFile_ImportCsv", "MenuFile_ExportCsv", "MenuFile_PrintSheet", "MenuFile_ExportSheetPdf"};
    for (size_t i = 0; i < std::size(items); ++i)
        EXPECT_EQ(Item(items[i])->text(), QString::fromUtf8(GetParam().captions[i])) << items[i];
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ExchangeCaptions,
    ::testing::Values(
        CaptionCase{"0", {"&Import channels (CSV)...", "E&xport channels (CSV)...", "&Print channel sheet...",
                          "Export channel sheet (P&DF)..."}},
        CaptionCase{"1", {"导入信道（CSV）(&I)...", "导出信道（CSV）(&X)...", "打印信道表(&P)...", "导出信道表（PDF）(&D)..."}},
        CaptionCase{"2", {"導入信道（CSV）(&I)...", "導出信道（CSV）(&X)...", "打印信道表(&P)...", "導出信道表（PDF）(&D)..."}}));

TEST_F(ExchangeCommands, ImportFillsFromTheSelectedRowDownAndReports)
{
    exchangeAnswer = PathInTemp("rows.csv");
    WriteAll(Local(exchangeAnswer), "Frequency,Mode,Name\n446.0,NFM,One\n446.5,AM,Air\n447.0,FM,Two\n");
    auto* grid = Control<QTableWidget>("StringGrid1");
    grid->setCurrentCell(5, 1);
    QString summary, notes;
    ModalDriver::OnNextModal([&](QWidget* modal) {
        auto* report = qobject_cast<ImportReportDialog*>(modal);
        ASSERT_NE(report, nullptr);
        summary = report->Summary->text();
        notes = report->Notes->toPlainText();
        QTest::mouseClick(report->OKBtn, Qt::LeftButton);
    });
    Trigger("MenuFile_ImportCsv");

    ASSERT_EQ(exchangeAsked.size(), 1u);
    EXPECT_EQ(exchangeAsked[0].first, QString::fromUtf8("导入信道（CSV）"));
    EXPECT_EQ(exchangeAsked[0].second, ExchangeFile::CsvToImport);
    EXPECT_EQ(summary, QString::fromUtf8("已导入 2 个信道\n使用的频段：频段 2 (400 - 470MHz)"));
    EXPECT_EQ(notes, QString::fromUtf8("第 3 行未导入：模式 AM 不是 FM 或 NFM"));
    EXPECT_FALSE(Record().IsChannelUsed(4));
    EXPECT_EQ(Record().Channel[5].RxFreq, 446000000u);
    EXPECT_EQ(Record().Channel[6].RxFreq, 447000000u);
    EXPECT_FALSE(Record().IsChannelUsed(7));
    EXPECT_EQ(CellOf(5, 1), "446.00000") << "the grid shows the import";
    EXPECT_EQ(CellOf(6, 6), QString::fromUtf8("宽带"));
}

// Rows left out for the band say which band it was and where another is chosen.
TEST_F(ExchangeCommands, RowsOutsideTheBandPointToTheBandMenu)
{
    exchangeAnswer = PathInTemp("vhf.csv");
    WriteAll(Local(exchangeAnswer), "Frequency\n446.0\n145.5\n");
    QString summary;
    ModalDriver::OnNextModal([&](QWidget* modal) {
        auto* report = qobject_cast<ImportReportDialog*>(modal);
        ASSERT_NE(report, nullptr);
        summary = report->Summary->text();
        QTest::mouseClick(report->OKBtn, Qt::LeftButton);
    });
    Trigger("MenuFile_ImportCsv");
    EXPECT_EQ(summary.split('\n'),
              QStringList({QString::fromUtf8("已导入 1 个信道"), QString::fromUtf8("使用的频段：频段 2 (400 - 470MHz)"),
                           QString::fromUtf8("不在此频段内的行未导入：请先在“编辑 > 频段”中选择它们的频段，再导入。")}));
}

TEST_F(ExchangeCommands, TableWithoutFrequencyIsRefusedWithANotice)
{
    exchangeAnswer = PathInTemp("names.csv");
    WriteAll(Local(exchangeAnswer), "Location,Name\n1,A\n");
    const RadioSettings before = Record();
    QString notice;
    ModalDriver::OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<TUserWarnDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        notice = dialog->WarnDlgText->text();
        QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
    });
    Trigger("MenuFile_ImportCsv");
    EXPECT_EQ(notice, QString::fromUtf8("表格中没有 Frequency 列，未导入任何信道"));
    EXPECT_TRUE(SameBlock(Record(), before));
}

TEST_F(ExchangeCommands, ExportWritesTheTableAndTheSheet)
{
    Record() = RandomRecord(3);
    window->FullRefresh();
    exchangeAnswer = PathInTemp("channels.csv");
    // Random names hold bytes that are no GBK text: the export says which.
    const ChannelCsvExport expected = ExportChannelCsv(Record());
    ASSERT_FALSE(expected.notes.empty());
    QString notice;
    ModalDriver::OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<TUserWarnDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        notice = dialog->WarnDlgText->text();
        QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
    });
    Trigger("MenuFile_ExportCsv");
    EXPECT_EQ(ReadAll(Local(exchangeAnswer)), expected.text);
    EXPECT_EQ(notice.count('\n') + 1, qsizetype(expected.notes.size())) << notice.toStdString();

    exchangeAnswer = PathInTemp("sheet.pdf");
    Trigger("MenuFile_ExportSheetPdf");
    EXPECT_EQ(ReadAll(Local(exchangeAnswer)).substr(0, 5), "%PDF-");

    ASSERT_EQ(exchangeAsked.size(), 2u);
    EXPECT_EQ(exchangeAsked[0].second, ExchangeFile::CsvToExport);
    EXPECT_EQ(exchangeAsked[1].second, ExchangeFile::SheetPdf);
}

TEST_F(ExchangeCommands, ExportReportsNamesWhoseBytesAreNotGbk)
{
    Record().SetChannelUsed(3, true);
    Record().Channel[3].RxFreq = 446000000;
    std::memcpy(Record().Channel[3].Name, "A\xFF", 2);
    exchangeAnswer = PathInTemp("names.csv");
    QString notice;
    ModalDriver::OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<TUserWarnDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        notice = dialog->WarnDlgText->text();
        QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
    });
    Trigger("MenuFile_ExportCsv");
    EXPECT_EQ(notice, QString::fromUtf8("信道 3：名称的字节不是有效的 GBK 编码，已写为“A?”"));
    EXPECT_NE(ReadAll(Local(exchangeAnswer)).find("\r\n3,A?,"), std::string::npos);
}

TEST_F(ExchangeCommands, PrintOpensThePreview)
{
    QString title;
    ModalDriver::OnNextModal([&](QWidget* modal) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
        ASSERT_NE(preview, nullptr);
        title = preview->windowTitle();
        preview->reject();
    });
    Trigger("MenuFile_PrintSheet");
    EXPECT_EQ(title, QString::fromUtf8("打印信道表"));
}

}
