#pragma once

#include "app/AreaWindow.h"

class QPushButton;

// The Miscellaneous area.
class Misc1 : public AreaWindow
{
    Q_OBJECT

public:
    explicit Misc1(QWidget *startScreen);

    QPushButton *Command1[1] = {nullptr};
    QAction *mOEx = nullptr;

protected:
    int helpTopic() const override { return 3014; }
    QString helpFile() const override;
};
