#pragma once

#include "app/AreaWindow.h"

class QPushButton;
class SSPanel80;

// The Miscellaneous area.
class Misc1 : public AreaWindow
{
    Q_OBJECT

public:
    explicit Misc1(QWidget *startScreen);

    QPushButton *Command1[1] = {nullptr};
    QAction *mOEx = nullptr;
    SSPanel80 *previewPanel = nullptr;

protected:
    int helpTopic() const override;
    QString helpFile() const override;
    void escapePressed() override;
    void Form_Activate() override;

private:
    void Form_Load();
};
