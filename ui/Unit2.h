#pragma once
// The About box: names the program and its authors. Made once, hidden, at start-up; Help/About shows it,
// its "OK" button or its frame's close button hides it again. It is never modal.

#include <QWidget>

class QLabel;
class QPushButton;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // "OK": hides the box; it keeps its place for the next time it is shown.
    void Button1Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Button1 = nullptr;
};
