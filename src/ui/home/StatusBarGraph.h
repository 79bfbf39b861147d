#pragma once

#include <QList>
#include <QWidget>

// A bar split into coloured parts by count (the items of a category by status), with a key in its
// tooltip. A click on it emits clicked().
class StatusBarGraph : public QWidget
{
    Q_OBJECT

public:
    explicit StatusBarGraph(QWidget *parent = nullptr);

    void setParts(const QList<std::pair<QString, int>> &parts);
    // The colour of a status name's part.
    static QColor colour(const QString &status);

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QList<std::pair<QString, int>> m_parts;
};
