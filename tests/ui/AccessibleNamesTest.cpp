#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "calibration/AccessCode.h"
#include "files/ChannelDataFile.h"
#include "notices/Notices.h"

namespace {

bool IsControl(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QAbstractItemView*>(w);
}

// The controls a user could tab or click to in `window` that a screen reader could not name.
QStringList UnnamedControls(const QWidget* window)
{
    QStringList unnamed;
    for (const QWidget* w : window->findChildren<QWidget*>())
        if (IsControl(w) && w->window() == window && w->isVisible() && w->isEnabled() &&
            w->focusPolicy() != Qt::NoFocus && w->accessibleName().isEmpty())
            unnamed << QString("%1 (%2)").arg(w->objectName(), w->metaObject()->className());
    return unnamed;
}

class AccessibleNames : public MainWindowTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        WriteSettingsFile("[config]\nLanguage=" + std::to_string(GetParam()) + "\n");
        StartWindow();
    }

    // Opens a modal dialog with `open`, records its class and unnamed controls, and lets
    // `close` end it (rejecting it when `close` is empty).
    void CheckNextModal(const char* expectedClass, const std::function<void()>& open,
                        const std::function<void(QWidget*)>& close = {})
    {
        QString opened;
        QStringList unnamed;
        ModalDriver::OnNextModal([&](QWidget* modal) {
            opened = QString::fromLatin1(modal->metaObject()->className());
            unnamed = UnnamedControls(modal);
            if (close)
                close(modal);
            else
                qobject_cast<QDialog*>(modal)->reject();
        });
        open();
        EXPECT_EQ(opened, expectedClass);
        EXPECT_TRUE(unnamed.isEmpty()) << expectedClass << ": " << unnamed.join(", ").toStdString();
    }
};

TEST_P(AccessibleNames, EveryReachableControlOfTheMainWindowHasAName)
{
    auto* pages = Control<QTabWidget>("PageControl_Home");
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        const QStringList unnamed = UnnamedControls(window.get());
        EXPECT_TRUE(unnamed.isEmpty()) << "page " << page << ": " << unnamed.join(", ").toStdString();
    }
}

TEST_P(AccessibleNames, EveryReachableControlOfTheDialogsHasAName)
{
    CheckNextModal("TCommunicationPort", [&] { Trigger("MenuPort"); });
    CheckNextModal("TProgramDialog", [&] { Trigger("MenuEdit_Read"); });
    CheckNextModal("SeriesWriteDialog", [&] { Trigger("MenuEdit_WriteSeveral"); });
    CheckNextModal("TChBatchSetDlg", [&] { Control<QPushButton>("bChBatchSet")->click(); });
    CheckNextModal("TAboutDlg", [&] { Trigger("MenuAbout"); });
    RadioSettings other;
    other.ResetToDefaults();
    other.Vox = 5;
    exchangeAnswer = PathInTemp("other.Kqd");
    ASSERT_TRUE(SaveChannelFile(exchangeAnswer.toStdString(), other).ok);
    CheckNextModal("CompareDialog", [&] { Trigger("MenuFile_CompareWithFile"); });
    CheckNextModal("TUserWarnDlg", [&] { ShowNotice(window.get(), "notice"); });
    CheckNextModal("TMyWarnDlg_2", [&] { Confirm(window.get(), "question", "yes", "no"); });
    CheckNextModal("TSetPasswordDlg", [&] { Trigger("MenuEdit_Password"); }, [&](QWidget* set) {
        CheckNextModal("TNewPasswordDlg", [set] { set->findChild<QPushButton*>("bNewPassword")->click(); });
        qobject_cast<QDialog*>(set)->reject();
    });
    CheckNextModal("TPasswordDlg", [&] { Trigger("MenuAdjustment"); }, [&](QWidget* access) {
        access->findChild<QLineEdit*>("eInput")->setText(QString::fromLatin1(AdjustmentAccessCode.data()));
        CheckNextModal("TAdjustmentDlg", [access] { access->findChild<QPushButton*>("OKBtn")->click(); });
    });
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, AccessibleNames, ::testing::Values(0, 1, 2));

TEST_F(MainWindowTest, TheChannelGridsCellsReadOutTheirText)
{
    StartWindow();
    auto* grid = Control<QTableWidget>("StringGrid1");
    QAccessibleInterface* gridReader = QAccessible::queryAccessibleInterface(grid);
    ASSERT_NE(gridReader, nullptr);
    QAccessibleTableInterface* table = gridReader->tableInterface();
    ASSERT_NE(table, nullptr);
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column) {
            QAccessibleInterface* cell = table->cellAt(row, column);
            ASSERT_NE(cell, nullptr) << row << "," << column;
            EXPECT_EQ(cell->text(QAccessible::Name), grid->item(row, column)->text()) << row << "," << column;
        }
    // Titles and channel numbers are always shown.
    EXPECT_FALSE(table->cellAt(0, 1)->text(QAccessible::Name).isEmpty());
    EXPECT_EQ(table->cellAt(1, 0)->text(QAccessible::Name), "01");
}

}
