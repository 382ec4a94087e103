#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "FakeDeviceTree.h"
#include "lang/TextTable.h"
#include "link/dialogs/ModalResult.h"
#include "link/dialogs/PortDialog.h"
#include "ports/SerialPortInfo.h"

namespace {

using Names = std::vector<std::string>;

// The dialog as the user meets it on a machine whose system lists `ports`.
class PortDialog : public testing::Test {
protected:
    static void Machine(LinkSettings& link, const Names& ports)
    {
        link.Ports.Names = [ports] { return std::optional<Names>(ports); };
    }

    static QRadioButton* Port(QDialog& dialog, int n)
    {
        return dialog.findChild<QRadioButton*>(QString("rbCOM%1").arg(n));
    }
    static std::vector<int> EnabledPorts(QDialog& dialog)
    {
        std::vector<int> enabled;
        for (int n = 1; n <= TCommunicationPort::OfferedPortCount; ++n)
            if (Port(dialog, n)->isEnabled())
                enabled.push_back(n);
        return enabled;
    }
    static void Click(QDialog& dialog, const char* name)
    {
        QTest::mouseClick(dialog.findChild<QAbstractButton*>(name), Qt::LeftButton);
    }
    // Runs the dialog modally while `act` plays the user.
    static int Exec(QDialog& dialog, std::function<void()> act)
    {
        QTimer::singleShot(0, &dialog, std::move(act));
        return dialog.exec();
    }
};

TEST_F(PortDialog, ShowsItsCaptionsAndNinePortsWithTheirDevices)
{
    LinkSettings link;
    Machine(link, {"COM1", "COM3"});
    TCommunicationPort dialog(link, nullptr);
    EXPECT_EQ(dialog.findChild<QPushButton*>("OKBtn")->text(), DisplayText(PortDialogText(0)));
    EXPECT_EQ(dialog.findChild<QPushButton*>("CancelBtn")->text(), DisplayText(PortDialogText(1)));
    EXPECT_EQ(dialog.findChild<QCheckBox*>("cAutoSeachPort")->text(), DisplayText(PortDialogText(2)));
    ASSERT_NE(dialog.findChild<QGroupBox*>("gbCOM"), nullptr);
    for (int n = 1; n <= TCommunicationPort::OfferedPortCount; ++n) {
        const QString name = QString("COM%1").arg(n);
        QRadioButton* button = Port(dialog, n);
        ASSERT_NE(button, nullptr) << n;
        EXPECT_EQ(button->parentWidget(), dialog.findChild<QGroupBox*>("gbCOM"));
        EXPECT_EQ(button->text(), name);
        EXPECT_EQ(button->toolTip().toStdString(), TeskComm32::DevicePathOf(name.toStdString(), link.Ports));
    }
}

// Beside each number stands what it is: the device, and the adapter where the system names it.
TEST_F(PortDialog, EachNumberSaysWhatItIs)
{
    FakeDeviceTree tree;
    tree.AddUsbTty("ttyUSB0", "Prolific Technology Inc.", "USB-Serial Controller", "pl2303");
    tree.AddTty("ttyS0", "4", "port");
    LinkSettings link;
    link.Ports = tree.Lookup();
    TCommunicationPort dialog(link, nullptr);
    const auto detail = [&dialog](int n) { return dialog.findChild<QLabel*>(QString("sCOM%1").arg(n))->text(); };
    EXPECT_EQ(detail(1).toStdString(),
              tree.DevPath("ttyUSB0") + " \u2014 Prolific Technology Inc. USB-Serial Controller (pl2303)");
    EXPECT_EQ(detail(2).toStdString(), tree.DevPath("ttyS0"));
    EXPECT_TRUE(detail(3).isEmpty());
    EXPECT_EQ(Port(dialog, 1)->accessibleDescription(), detail(1));
}

TEST_F(PortDialog, AnUnlistedPortNumberFallsBackToCom1)
{
    LinkSettings link{7, false};
    Machine(link, {"COM1", "COM3"});
    TCommunicationPort dialog(link, nullptr);
    EXPECT_EQ(link.PortNumber, 1);
    EXPECT_TRUE(Port(dialog, 1)->isChecked());
    EXPECT_EQ(EnabledPorts(dialog), (std::vector<int>{1, 3}));
    EXPECT_FALSE(dialog.findChild<QCheckBox*>("cAutoSeachPort")->isChecked());
}

TEST_F(PortDialog, WithTheSearchOnNoPortCanBeChosen)
{
    LinkSettings link{5, true};
    Machine(link, {"COM2", "COM5"});
    TCommunicationPort dialog(link, nullptr);
    EXPECT_TRUE(dialog.findChild<QCheckBox*>("cAutoSeachPort")->isChecked());
    EXPECT_TRUE(EnabledPorts(dialog).empty());
    EXPECT_TRUE(Port(dialog, 5)->isChecked());
}

TEST_F(PortDialog, TheFallbackListOffersNoPort)
{
    LinkSettings link{3, false};
    Machine(link, {});
    TCommunicationPort dialog(link, nullptr);
    EXPECT_EQ(link.PortNumber, 1);
    EXPECT_TRUE(EnabledPorts(dialog).empty());
}

TEST_F(PortDialog, OkTakesTheCheckedPort)
{
    LinkSettings link{1, false};
    Machine(link, {"COM1", "COM3", "COM4"});
    TCommunicationPort dialog(link, nullptr);
    const int result = Exec(dialog, [&] {
        Click(dialog, "rbCOM4");
        Click(dialog, "OKBtn");
    });
    EXPECT_EQ(result, ModalResultOk);
    EXPECT_EQ(link.PortNumber, 4);
}

TEST_F(PortDialog, CancelKeepsThePortButNotTheSearchFlag)
{
    LinkSettings link{3, true};
    Machine(link, {"COM1", "COM3"});
    TCommunicationPort dialog(link, nullptr);
    const int result = Exec(dialog, [&] {
        Click(dialog, "cAutoSeachPort");
        Click(dialog, "rbCOM1");
        Click(dialog, "CancelBtn");
    });
    EXPECT_EQ(result, ModalResultCancel);
    EXPECT_FALSE(link.AutoSearchPort);
    EXPECT_EQ(link.PortNumber, 3);
}

struct FastBoxCase {
    const char* button;
    bool fastAfter;
};

class FastLinkBox : public PortDialog, public ::testing::WithParamInterface<FastBoxCase> {};

TEST_P(FastLinkBox, IsTakenOverOnlyOnOk)
{
    LinkSettings link{1, true};
    Machine(link, {"COM1"});
    TCommunicationPort dialog(link, nullptr);
    EXPECT_EQ(dialog.FastLink->accessibleName(), "Fast link");
    Exec(dialog, [&] {
        // On the box itself: the row is wider than the box and its caption.
        QTest::mouseClick(dialog.FastLink, Qt::LeftButton, {}, QPoint(6, dialog.FastLink->height() / 2));
        Click(dialog, GetParam().button);
    });
    EXPECT_EQ(link.FastLink, GetParam().fastAfter);
}

INSTANTIATE_TEST_SUITE_P(Buttons, FastLinkBox,
                         ::testing::Values(FastBoxCase{"OKBtn", true}, FastBoxCase{"CancelBtn", false}),
                         [](const auto& info) { return std::string(info.param.button); });

TEST_F(PortDialog, TheSearchBoxSwitchesThePortsAndLooksAgain)
{
    LinkSettings link{2, true};
    Machine(link, {"COM2"});
    TCommunicationPort dialog(link, nullptr);
    Machine(link, {"COM2", "COM6"});
    Click(dialog, "cAutoSeachPort");
    EXPECT_FALSE(link.AutoSearchPort);
    EXPECT_EQ(EnabledPorts(dialog), (std::vector<int>{2, 6}));
    Click(dialog, "cAutoSeachPort");
    EXPECT_TRUE(link.AutoSearchPort);
    EXPECT_TRUE(EnabledPorts(dialog).empty());
}

TEST_F(PortDialog, PortsAboveNineAreSearchedButNotOffered)
{
    LinkSettings link{1, false};
    Machine(link, {"COM3", "COM12"});
    TCommunicationPort dialog(link, nullptr);
    EXPECT_EQ(EnabledPorts(dialog), (std::vector<int>{3}));
    const PortCandidates candidates = RefreshPortCandidates(link.Ports);
    EXPECT_EQ(candidates.Numbers, (std::vector<int>{3, 12}));
}

}
