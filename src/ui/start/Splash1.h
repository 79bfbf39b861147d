#pragma once

#include <QDialog>

class QLabel;

// The splash: shown once per run, centred on the screen, closing itself after two start-up pauses.
class Splash1 : public QDialog
{
    Q_OBJECT

public:
    explicit Splash1(QWidget *parent = nullptr);

    QLabel *Label8[2] = {nullptr, nullptr};
    QLabel *versionLabel = nullptr;
    QWidget *SSPanel3 = nullptr;

    // Shows the splash until its two pauses are over, then closes it.
    int run();
    void Form_GotFocus();
};
