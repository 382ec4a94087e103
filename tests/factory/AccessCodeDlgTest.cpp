#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "WidgetDriving.h"
#include "factory/AccessCodeDlg.h"
#include "factory/AdjustmentDlg.h"
#include "lang/AppLang.h"
#include "link/engine/TransferTargets.h"

namespace {


class AccessCodeDialog : public ::testing::Test {
protected:
    void SetUp() override { ApplyLanguageSetting(LanguageSetting::English); }

    // Whether the calibration dialog came up while `act` ran on the shown access-code dialog;
    // `result` tells how the access-code dialog ended.
    bool OpensCalibration(const std::function<void(TPasswordDlg&)>& act)
    {
        TPasswordDlg dialog(objects.Context(TransferKind::Adjustment, false), calibration, {}, nullptr);
        bool opened = false;
        auto* watch = new QTimer(&dialog);
        QObject::connect(watch, &QTimer::timeout, [&] {
            if (auto* calibration = qobject_cast<TAdjustmentDlg*>(QApplication::activeModalWidget())) {
                opened = true;
                calibration->close();
            }
        });
        watch->start(5);
        QTimer::singleShot(0, &dialog, [&] { act(dialog); });
        result = dialog.exec();
        return opened;
    }

    StrayModalGuard guard;
    TransferTargets objects;
    AdjustmentData calibration{};
    int result = -1;
};

TEST_F(AccessCodeDialog, OnlyTheExactCodeOpensTheCalibration)
{
    const struct {
        const char* typed;
        bool opens;
    } cases[] = {
        {"530962", true}, {"530962 ", false}, {" 530962", false}, {"53096", false}, {"", false}, {"5309620", false},
    };
    for (const auto& c : cases) {
        const bool opened = OpensCalibration([&](TPasswordDlg& dialog) {
            QTest::keyClicks(dialog.eInput, QString::fromLatin1(c.typed));
            QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
        });
        EXPECT_EQ(opened, c.opens) << '"' << c.typed << '"';
        EXPECT_EQ(result, QDialog::Accepted) << c.typed;
    }
}

TEST_F(AccessCodeDialog, EnterInTheBoxActsAsOk)
{
    const bool opened = OpensCalibration([](TPasswordDlg& dialog) {
        dialog.eInput->setFocus();
        QTest::keyClicks(dialog.eInput, QStringLiteral("530962"));
        QTest::keyClick(dialog.eInput, Qt::Key_Return);
    });
    EXPECT_TRUE(opened);
}

TEST_F(AccessCodeDialog, CancelEscapeAndTheCloseBoxCompareNothing)
{
    EXPECT_FALSE(OpensCalibration([](TPasswordDlg& dialog) {
        QTest::keyClicks(dialog.eInput, QStringLiteral("530962"));
        QTest::mouseClick(dialog.CancelBtn, Qt::LeftButton);
    }));
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(OpensCalibration([](TPasswordDlg& dialog) {
        QTest::keyClicks(dialog.eInput, QStringLiteral("530962"));
        QTest::keyClick(dialog.eInput, Qt::Key_Escape);
    }));
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(OpensCalibration([](TPasswordDlg& dialog) {
        QTest::keyClicks(dialog.eInput, QStringLiteral("530962"));
        dialog.close();
    }));
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST_F(AccessCodeDialog, TheCodeIsMaskedAndCaptionedInTheCurrentLanguage)
{
    TPasswordDlg dialog(objects.Context(TransferKind::Adjustment, false), calibration, {}, nullptr);
    EXPECT_EQ(dialog.eInput->echoMode(), QLineEdit::Password);
    EXPECT_EQ(dialog.eInput->font().pointSize(), 16);
    EXPECT_TRUE(dialog.eInput->text().isEmpty());
    EXPECT_EQ(dialog.OKBtn->text(), QStringLiteral("Ok"));
    EXPECT_EQ(dialog.CancelBtn->text(), QStringLiteral("Cannel"));
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
}

}
