#include <array>
#include <cstring>
#include <functional>

#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "FileContents.h"
#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "QuickRadio.h"
#include "RadioProcess.h"
#include "files/ChannelDataFile.h"
#include "link/dialogs/ProgramDialog.h"
#include "model/MemoryImage.h"
#include "notices/WarnDialogs.h"
#include "ui/CompareDialog.h"

namespace {

// A transfer's handshake runs on a one-second timer, so its ending takes several seconds.
constexpr int TransferWaitMs = 30000;

using Row = std::array<std::string, 3>;

RadioSettings Master()
{
    RadioSettings s;
    s.ResetToDefaults();
    s.SetChannelUsed(3, true);
    s.Channel[3].RxFreq = 446006250;
    s.Channel[3].TxFreq = 446006250;
    return s;
}

RadioSettings Retuned()
{
    RadioSettings s = Master();
    s.Channel[3].TxFreq = 446012500;
    s.Vox = 5;
    return s;
}

std::vector<Row> Rows(const CompareDialog& dialog)
{
    std::vector<Row> rows;
    const QTableWidget* list = dialog.DifferenceList;
    for (int row = 0; row < list->rowCount(); ++row)
        rows.push_back({list->item(row, 0)->text().toStdString(), list->item(row, 1)->text().toStdString(),
                        list->item(row, 2)->text().toStdString()});
    return rows;
}

const std::vector<Row> RetunedRows = {
    {"Channel 3, transmit frequency", "446.00625", "446.01250"},
    {"VOX Gain", "8", "5"},
};

// The main window on the master record, with COM1 pinned to a virtual radio that holds `memory`.
class RecordCompare : public MainWindowTest {
protected:
    void StartOnMaster(const MemoryImage& memory)
    {
        radio = std::make_unique<RadioProcess>(QuickRadio, &memory);
        WriteSettingsFile("[config]\nPort=1\nLanguage=0\nAutoSeachPort=0\nFastLink=1\n[Ports]\nCOM1=" +
                          radio->LinkPath() + "\n");
        StartWindow();
        const QString master = PathInTemp("master.Kqd");
        ASSERT_TRUE(SaveChannelFile(master.toStdString(), Master()).ok);
        ASSERT_TRUE(window->LoadDataFile(master).ok);
    }

    // Runs `action` on the compare dialog once it shows, after whatever modal windows come first.
    void OnCompareDialog(const std::function<void(CompareDialog&)>& action)
    {
        ModalDriver::OnNextModal(
            [this, action](QWidget* modal) {
                if (auto* dialog = qobject_cast<CompareDialog*>(modal))
                    action(*dialog);
                else
                    OnCompareDialog(action);
            },
            TransferWaitMs);
    }

    std::unique_ptr<RadioProcess> radio;
    std::vector<Row> shown;
};

TEST_F(RecordCompare, AnotherFileIsComparedWithTheRecordAsItStands)
{
    StartOnMaster(MemoryImage{});
    const QString other = PathInTemp("retuned.Kqd");
    ASSERT_TRUE(SaveChannelFile(other.toStdString(), Retuned()).ok);
    exchangeAnswer = other;
    OnCompareDialog([this](CompareDialog& dialog) {
        shown = Rows(dialog);
        EXPECT_EQ(dialog.DifferenceList->horizontalHeaderItem(2)->text(), "retuned.Kqd");
        EXPECT_FALSE(dialog.WriteFileBtn->isVisible());
        QTest::mouseClick(dialog.CloseBtn, Qt::LeftButton);
    });
    const RadioSettings before = Record();
    Trigger("MenuFile_CompareWithFile");
    EXPECT_EQ(shown, RetunedRows);
    EXPECT_EQ(std::memcmp(&Record(), &before, sizeof before), 0);
    EXPECT_FALSE(window->History().IsModified());
    ASSERT_EQ(exchangeAsked.size(), 1u);
    EXPECT_EQ(exchangeAsked[0].second, ExchangeFile::RecordToCompare);
}

// The radio is read into objects of its own: the record stays exactly as it was, and the
// dialog's button starts the normal write of the record.
TEST_F(RecordCompare, ARadioIsReadAndComparedWithoutTouchingTheRecord)
{
    StartOnMaster(RadioProcess::MemoryAtStart(QuickRadio, [] {
        MemoryImage image;
        RadioSettings radioHolds = Retuned();
        GetDataForWrite(radioHolds, RadioBand, DateTimeStamp{}, image);
        return image;
    }()));
    const RadioSettings before = Record();
    QString writeTitle;
    ModalDriver::OnNextModal([this, &writeTitle](QWidget* transfer) {
        ModalDriver::OnNextModal(
            [](QWidget* notice) { QTest::mouseClick(notice->findChild<QPushButton*>("OKBtn"), Qt::LeftButton); },
            TransferWaitMs);
        OnCompareDialog([this, &writeTitle](CompareDialog& dialog) {
            shown = Rows(dialog);
            ModalDriver::OnNextModal([&writeTitle](QWidget* write) {
                writeTitle = write->windowTitle();
                qobject_cast<QDialog*>(write)->reject();
            });
            QTest::mouseClick(dialog.WriteFileBtn, Qt::LeftButton);
        });
        QTest::mouseClick(transfer->findChild<QPushButton*>("ProgramStart"), Qt::LeftButton);
    });
    Trigger("MenuEdit_CheckRadio");
    EXPECT_EQ(shown, RetunedRows);
    EXPECT_EQ(std::memcmp(&Record(), &before, sizeof before), 0);
    EXPECT_FALSE(window->History().IsModified());
    EXPECT_EQ(writeTitle, "Write to radio");
}

}  // namespace
