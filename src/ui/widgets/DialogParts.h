#pragma once

#include <QLabel>
#include <QPushButton>

// Building blocks of the components' dialogs.
namespace DialogParts {

// A child widget with an object name, by which tests and accessibility tools find it.
template <typename W>
W *named(QWidget *parent, const QString &name)
{
    auto *widget = new W(parent);
    widget->setObjectName(name);
    return widget;
}

// A label whose access key moves the focus to `buddy`.
inline QLabel *buddyLabel(const QString &caption, QWidget *buddy)
{
    auto *label = new QLabel(caption, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

// A button that Enter does not press unless it is made the default.
inline QPushButton *button(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = named<QPushButton>(parent, name);
    b->setText(caption);
    b->setAutoDefault(false);
    return b;
}

} // namespace DialogParts
