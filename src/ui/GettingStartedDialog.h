#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// Help, Getting started: the way from a cable in the hand to a programmed radio, one step per
// paragraph, in the interface language.
class GettingStartedDialog : public QDialog {
    Q_OBJECT
public:
    explicit GettingStartedDialog(QWidget* owner);

    QLabel* GuideText;
    QPushButton* OKBtn;
};
