#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QMenu;
class QPushButton;

// The about box, centred on the start screen.
class AboutBox : public QDialog
{
    Q_OBJECT

  public:
    explicit AboutBox(QWidget *startScreen);

    QLabel *programInfo = nullptr;
    QLabel *copyingNotice = nullptr;
    QLabel *copyrightNotice = nullptr;
    QLabel *webSiteCaption = nullptr; // the web site line: only when the program names one
    QLabel *webSiteLink = nullptr;
    QLabel *emblemImage = nullptr;
    QLabel *pictureImage = nullptr;
    QFrame *headerPanel = nullptr;
    QFrame *divider = nullptr;
    QPushButton *okButton = nullptr;
    QMenu *optionsMenu = nullptr;

    void okClicked() { accept(); }
    void webSiteClicked();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

  private:
    void createControls();
    void fillLabel1();
    void load(QWidget *startScreen);
};
