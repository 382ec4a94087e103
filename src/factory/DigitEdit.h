#pragma once

#include <functional>
#include <string>

#include <QLineEdit>

// A number box of the factory dialogs: drops non-digit keys as they are typed, corrects the text
// after every edit of the user's (typing or pasting) and announces when the focus leaves it after
// such an edit, which is when its value is committed. Text set by the program is shown as it is.
class TDigitEdit : public QLineEdit {
    Q_OBJECT
public:
    // The text after an edit, the core's rule for the box; a changed text is put back with the
    // caret at its end.
    using TextRule = std::function<std::string(const std::string&)>;

    TDigitEdit(const QString& name, bool takesPoint, TextRule rule, QWidget* parent);

signals:
    void Left();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ApplyTextRule();

    bool takesPoint_;
    TextRule rule_;
};
