#pragma once

class QLabel;
class QPushButton;
class QWidget;

// Entries of the main text table that the password dialogs show.
enum PasswordTextEntry : int {
    PasswordOkCaption = 153,
    PasswordCancelCaption = 154,
    PasswordTitle = 232,
    NewPasswordCaption = 233,
    InputPasswordCaption = 234,
    NewPasswordSureCaption = 235,
    WritePasswordCaption = 236,
    PasswordMismatchText = 237,
};

QLabel* MakeCaption(const char* name, PasswordTextEntry entry, QWidget* parent);
QPushButton* MakeCaptionedButton(const char* name, PasswordTextEntry entry, QWidget* parent);
