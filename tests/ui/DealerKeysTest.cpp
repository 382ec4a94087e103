#include <iostream>
#include <string>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "QuickRadio.h"
#include "RadioProcess.h"
#include "model/MemoryImage.h"
#include "model/Tone.h"

// A dealer enters sixteen channels with their tones into a fresh window and writes them to a
// radio, pressing keys where the window takes them and using the mouse only where it does not.
// The counts are printed: run the binary to see them.

namespace {

enum Column { RxFreq = 1, Decode = 3, Encode = 4 };

constexpr int TransferWaitMs = 30000;
// Tab presses that cannot reach a button mean it cannot be reached.
constexpr int MostTabs = 20;

struct Channel {
    const char* frequency;
    const char* listTone;   // as the tone list writes it
    const char* shortTone;  // as people type it
};

// PMR446 with a tone each, CTCSS and DCS.
const Channel Channels[] = {
    {"446.00625", "67.0", "67"},   {"446.01875", "71.9", "71.9"}, {"446.03125", "74.4", "74.4"},
    {"446.04375", "77.0", "77"},   {"446.05625", "79.7", "79.7"}, {"446.06875", "82.5", "82.5"},
    {"446.08125", "85.4", "85.4"}, {"446.09375", "88.5", "88.5"}, {"446.10625", "d023n", "23n"},
    {"446.11875", "d025n", "25n"}, {"446.13125", "d026n", "26n"}, {"446.14375", "d031n", "31n"},
    {"446.15625", "d032n", "32n"}, {"446.16875", "d036n", "36n"}, {"446.18125", "d043n", "43n"},
    {"446.19375", "d047n", "47n"},
};

class DealerKeys : public MainWindowTest {
protected:
    void SetUp() override
    {
        radio = std::make_unique<RadioProcess>(QuickRadio);
        WriteSettingsFile("[config]\nPort=1\nLanguage=0\nAutoSeachPort=0\n[Ports]\nCOM1=" + radio->LinkPath() + "\n");
        StartWindow();
        grid = Control<QTableWidget>("StringGrid1");
    }

    // Where a key goes: the focused control, or the active window when none has the focus.
    static QWidget* KeyTarget()
    {
        return QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        ++keys;
        QTest::keyClick(KeyTarget(), key, modifiers);
    }
    void Type(const char* text)
    {
        for (const char* c = text; *c; ++c) {
            ++keys;
            QTest::keyClick(KeyTarget(), *c);
        }
    }

    // Into the grid from wherever the window put the focus, then arrows to the cell.
    void GoTo(int row, int column)
    {
        for (int tabs = 0; QApplication::focusWidget() != grid && tabs < MostTabs; ++tabs)
            Press(Qt::Key_Tab);
        while (grid->currentRow() != row)
            Press(grid->currentRow() < row ? Qt::Key_Down : Qt::Key_Up);
        while (grid->currentColumn() != column)
            Press(grid->currentColumn() < column ? Qt::Key_Right : Qt::Key_Left);
    }

    // Whether a tone cell opens from the keyboard, tried without counting and put back.
    bool TonesTakeKeys()
    {
        grid->setCurrentCell(1, Decode);
        QTest::keyClick(grid, Qt::Key_F2);
        auto* tone = window->findChild<QComboBox*>("ComboBox1");
        const bool opened = tone->isVisible();
        if (opened)
            QTest::keyClick(tone, Qt::Key_Escape);
        grid->setCurrentCell(1, RxFreq);
        return opened;
    }

    void EnterCell(int row, int column, const char* text, bool byKeyboard)
    {
        if (byKeyboard) {
            GoTo(row, column);
        } else {
            ++mouseActions;
            const QPoint centre = grid->visualItemRect(grid->item(row, column)).center();
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre);
        }
        Type(text);
        Press(Qt::Key_Return);
    }

    // The keys that press the button: Enter when it would, else Tab to it and Space.
    void PressButton(QWidget* dialog, const char* name)
    {
        auto* button = dialog->findChild<QAbstractButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        // The keys go to the dialog once it is the active window, as the user sees it come up.
        ASSERT_TRUE(QTest::qWaitFor([dialog] {
            const QWidget* focus = QApplication::focusWidget();
            return QApplication::activeWindow() == dialog && (!focus || focus->window() == dialog);
        })) << name;
        const auto* focused = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        const auto* defaultButton = qobject_cast<QPushButton*>(button);
        if (focused == button || (!focused && defaultButton && defaultButton->isDefault())) {
            Press(Qt::Key_Return);
            return;
        }
        for (int tabs = 0; QApplication::focusWidget() != button && tabs < MostTabs; ++tabs)
            Press(Qt::Key_Tab);
        Press(Qt::Key_Space);
    }

    void WriteToTheRadio()
    {
        ModalDriver::OnNextModal([this](QWidget* transfer) {
            ModalDriver::OnNextModal([this](QWidget* notice) { PressButton(notice, "OKBtn"); }, TransferWaitMs);
            PressButton(transfer, "ProgramStart");
        });
        Press(Qt::Key_F6);
    }

    // Column by column, each value ended with Enter and the next cell reached with the arrows: the
    // one way that works whether or not the tone cells take keys.
    void EnterColumnByColumn()
    {
        for (int row = 1; row <= 16; ++row)
            EnterCell(row, RxFreq, Channels[row - 1].frequency, true);
        const bool keyboardTones = TonesTakeKeys();
        for (int column : {Decode, Encode})
            for (int row = 1; row <= 16; ++row)
                EnterCell(row, column, Channels[row - 1].listTone, keyboardTones);
    }

    // Channel by channel, as a list of channels reads: Tab along the row, over the transmit
    // frequency, and Enter down to the next channel's first cell.
    void EnterRowByRow()
    {
        GoTo(1, RxFreq);
        for (const Channel& c : Channels) {
            Type(c.frequency);
            Press(Qt::Key_Tab);
            Press(Qt::Key_Tab);
            Type(c.shortTone);
            Press(Qt::Key_Tab);
            Type(c.shortTone);
            Press(Qt::Key_Return);
        }
    }

    void ExpectTheRadioHoldsTheChannels()
    {
        RadioSettings inRadio{};
        BandLimits band;
        SetDataToSoftware(radio->StopAndReadMemory(), inRadio, band);
        for (unsigned n = 1; n <= 16; ++n) {
            const Channel& c = Channels[n - 1];
            ToneType type;
            ToneCode code;
            ParseToneText(QString(c.listTone).toUpper().toStdString(), type, code);
            EXPECT_TRUE(inRadio.IsChannelUsed(n)) << n;
            EXPECT_EQ(FormatToneText(inRadio.Channel[n].DecCode, ToneType(inRadio.Channel[n].DecType)),
                      FormatToneText(code, type)) << n;
            EXPECT_EQ(uint16_t(inRadio.Channel[n].EncCode), code) << n;
        }
    }

    void Report(const char* how)
    {
        std::cout << "[ keys     ] 16 channels with tones entered and written, " << how << ": " << keys
                  << " key presses, " << mouseActions << " mouse double-clicks" << std::endl;
        RecordProperty("keys", keys);
        RecordProperty("mouse", mouseActions);
    }

    std::unique_ptr<RadioProcess> radio;
    QTableWidget* grid = nullptr;
    int keys = 0;
    int mouseActions = 0;
};

TEST_F(DealerKeys, ColumnByColumnWithTheListsToneTexts)
{
    EnterColumnByColumn();
    WriteToTheRadio();
    ExpectTheRadioHoldsTheChannels();
    Report("column by column, tones as the list writes them");
    EXPECT_EQ(mouseActions, 0);
}

TEST_F(DealerKeys, RowByRowWithShortToneTexts)
{
    EnterRowByRow();
    WriteToTheRadio();
    ExpectTheRadioHoldsTheChannels();
    Report("row by row, tones typed short (67, 23n)");
    EXPECT_EQ(mouseActions, 0);
}

}
