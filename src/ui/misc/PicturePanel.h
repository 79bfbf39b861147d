#pragma once

#include <QFrame>
#include <QImage>

// A panel that draws a picture, tiled, behind its children, or its back colour when it has none.
// The children keep their own palettes.
class PicturePanel : public QFrame
{
public:
    explicit PicturePanel(QWidget *parent = nullptr);

    QImage picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    void setBackColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    QColor m_backColour;
};
