#pragma once

#include <QWidget>

class QToolButton;

// A pair of arrow buttons beside an edit box that step its value; they keep no position of their
// own, the box's text is the value.
class TUpDownArrows : public QWidget {
    Q_OBJECT
public:
    TUpDownArrows(const QString& name, QWidget* parent);

    QToolButton* UpArrow;
    QToolButton* DownArrow;

signals:
    void Stepped(bool up);
};
