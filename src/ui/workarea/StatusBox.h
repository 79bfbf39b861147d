#pragma once

#include <QComboBox>

// The status box: its value changes only by a pick from the dropped list. The mouse wheel, the arrow keys,
// Escape and focus changes over the closed box change nothing and report nothing.
class StatusBox : public QComboBox
{
    Q_OBJECT

public:
    explicit StatusBox(QWidget *parent = nullptr);

    // Shows a stored status: the list position follows it, so nothing left over from another item is picked.
    // A text that is no list value (empty, or unknown) is shown as it is.
    void showValue(const QString &text);

signals:
    // The user picked a value from the dropped list.
    void picked(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool m_picking = false;
};
