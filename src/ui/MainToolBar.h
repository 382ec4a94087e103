#pragma once

class QMainWindow;
class QToolBar;
class QToolButton;

// The tool bar `ToolBar1`: New, Open, Save, a separator, Read, Write.
struct MainToolBar {
    QToolBar* ToolBar1;
    QToolButton* ToolButton_New;
    QToolButton* ToolButton_Open;
    QToolButton* ToolButton_Save;
    QToolButton* ToolButton_Read;
    QToolButton* ToolButton_Write;
};

MainToolBar BuildMainToolBar(QMainWindow* window);

// The buttons' hints in the current language.
void SetToolBarHints(const MainToolBar& bar);
