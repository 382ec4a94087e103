#include "EditorWindow.h"

#include <QComboBox>
#include <QTableWidget>
#include <QTest>

#include "lang/AppLang.h"

namespace {
}

EditorWindow::EditorWindow() : focusTaker_(new QPushButton("bHide", this))
{
    UseEnglish();
    settings.ResetToDefaults();
    focusTaker_->setObjectName("bHide");
    focusTaker_->setGeometry(0, 0, 1, 1);
    resize(829, 507);
}

void EditorWindow::ShowActive()
{
    show();
    activateWindow();
    if (!QTest::qWaitFor([this] { return isActiveWindow(); }))
        qWarning("the editor window did not become active; focus changes will not be seen");
}

void EditorWindow::LeaveControl() { focusTaker_->setFocus(); }

void ClickCell(QTableWidget* grid, int row, int column)
{
    const QPoint centre = grid->visualItemRect(grid->item(row, column)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
}

void DoubleClickCell(QTableWidget* grid, int row, int column)
{
    ClickCell(grid, row, column);
    const QPoint centre = grid->visualItemRect(grid->item(row, column)).center();
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre);
}

void ChooseItem(QComboBox* list, int index)
{
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(list, Qt::Key_Down);
}

void ClickOn(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

void ClickCheckBox(QWidget* box)
{
    constexpr int SquareCentre = 7;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(SquareCentre, box->height() / 2));
}

void UseEnglish() { ApplyLanguageSetting(LanguageSetting::English); }

void UseSimplifiedChinese() { ApplyLanguageSetting(LanguageSetting::SimplifiedChinese); }
