#pragma once

#include <QLabel>

// A label that works as a web link: link colours, pointing hand, keyboard focus; a click, Enter or Space
// reports clicked(). The address shows as its tooltip.
class WebLinkLabel : public QLabel
{
    Q_OBJECT

public:
    WebLinkLabel(const QString &caption, const QString &address, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showFocus(bool focused);
};
