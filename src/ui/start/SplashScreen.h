#pragma once

#include <QDialog>

class QLabel;

// The splash: shown once per run, centred on the screen, closing itself after two start-up pauses.
class SplashScreen : public QDialog
{
    Q_OBJECT

  public:
    explicit SplashScreen(QWidget *parent = nullptr);

    QLabel *titleLabels[2] = {nullptr, nullptr};
    QLabel *versionLabel = nullptr;
    QWidget *titlePanel = nullptr;

    // Shows the splash until its two pauses are over, then closes it.
    int run();
    void focusReceived();
};
