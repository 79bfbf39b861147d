#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QMenu;
class QPushButton;

// The about box, centred on the start screen.
class About1 : public QDialog
{
    Q_OBJECT

public:
    explicit About1(QWidget *startScreen);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr; // the web site line: only when the program names one
    QLabel *Label5 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QFrame *SSPanel1 = nullptr;
    QFrame *Line1 = nullptr;
    QPushButton *Command1 = nullptr;
    QMenu *mO = nullptr;

    void Command1_Click() { accept(); }
    void Label5_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void fillLabel1();
    void Form_Load(QWidget *startScreen);
};
