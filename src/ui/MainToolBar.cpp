#include "ui/MainToolBar.h"

#include <QMainWindow>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "lang/TextTable.h"

namespace {

constexpr int ButtonSize = 32;
constexpr int ImageSize = 24;

// A picture from the desktop's icon theme where there is one, else the style's own.
QIcon Picture(QWidget* window, const char* themeName, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(QString::fromLatin1(themeName), window->style()->standardIcon(fallback));
}

QToolButton* AddButton(QToolBar* bar, const char* name, const QIcon& picture)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(picture);
    button->setIconSize({ImageSize, ImageSize});
    button->setFixedSize(ButtonSize, ButtonSize);
    button->setAutoRaise(true);
    bar->addWidget(button);
    return button;
}

}

MainToolBar BuildMainToolBar(QMainWindow* window)
{
    MainToolBar t{};
    t.ToolBar1 = new QToolBar(window);
    t.ToolBar1->setObjectName("ToolBar1");
    t.ToolBar1->setMovable(false);
    t.ToolBar1->setFloatable(false);
    t.ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    t.ToolBar1->setIconSize({ImageSize, ImageSize});
    window->addToolBar(Qt::TopToolBarArea, t.ToolBar1);

    t.ToolButton_New = AddButton(t.ToolBar1, "ToolButton_New", Picture(window, "document-new", QStyle::SP_FileIcon));
    t.ToolButton_Open =
        AddButton(t.ToolBar1, "ToolButton_Open", Picture(window, "document-open", QStyle::SP_DialogOpenButton));
    t.ToolButton_Save =
        AddButton(t.ToolBar1, "ToolButton_Save", Picture(window, "document-save", QStyle::SP_DialogSaveButton));
    t.ToolBar1->addSeparator();
    t.ToolButton_Read = AddButton(t.ToolBar1, "ToolButton_Read", Picture(window, "go-down", QStyle::SP_ArrowDown));
    t.ToolButton_Write = AddButton(t.ToolBar1, "ToolButton_Write", Picture(window, "go-up", QStyle::SP_ArrowUp));
    return t;
}

void SetToolBarHints(const MainToolBar& t)
{
    t.ToolButton_New->setToolTip(Tr(TextEntry::NewHint));
    t.ToolButton_Open->setToolTip(Tr(TextEntry::OpenHint));
    t.ToolButton_Save->setToolTip(Tr(TextEntry::SaveHint));
    t.ToolButton_Read->setToolTip(Tr(TextEntry::ReadFromRadio));
    t.ToolButton_Write->setToolTip(Tr(TextEntry::WriteToRadio));
}
