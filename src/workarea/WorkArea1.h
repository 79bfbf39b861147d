#pragma once

#include "app/AreaWindow.h"

class QPushButton;

// The Office Action Area.
class WorkArea1 : public AreaWindow
{
    Q_OBJECT

public:
    explicit WorkArea1(QWidget *startScreen);

    QPushButton *SSCommand4 = nullptr;
    QPushButton *SSCommand7 = nullptr;
    QAction *mOExit = nullptr;

    void SSCommand7_Click() { closeArea(); }

protected:
    int helpTopic() const override { return 3010; }
    QString helpFile() const override;
};
