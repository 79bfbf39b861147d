#pragma once

#include "app/AreaWindow.h"

class QPushButton;

// The Security Rule reader.
class PrivRule1 : public AreaWindow
{
    Q_OBJECT

public:
    explicit PrivRule1(QWidget *startScreen);

    QPushButton *SSCommand6 = nullptr;
    QAction *mOExit = nullptr;

    void SSCommand6_Click() { closeArea(); }

protected:
    int helpTopic() const override { return 3012; }
    QString helpFile() const override;
};
