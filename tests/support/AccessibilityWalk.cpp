#include "support/AccessibilityWalk.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QTabBar>
#include <QWidget>

namespace {

// Parts of a composite control, which speaks for them.
bool insideComposite(const QWidget *widget, const QWidget *window)
{
    for (const QWidget *p = widget->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<const QComboBox *>(p) || qobject_cast<const QAbstractSpinBox *>(p) ||
            qobject_cast<const QAbstractScrollArea *>(p))
            return true;
    return false;
}

bool isFrame(const QWidget *widget)
{
    return qobject_cast<const QGroupBox *>(widget) != nullptr;
}

bool isControl(const QWidget *widget)
{
    if (qobject_cast<const QScrollBar *>(widget) || qobject_cast<const QMenuBar *>(widget))
        return false;
    return widget->focusPolicy() != Qt::NoFocus || qobject_cast<const QAbstractButton *>(widget);
}

QString accessibleName(QWidget *widget)
{
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget); frame && !frame->title().isEmpty())
        return frame->title();
    if (const auto *bar = qobject_cast<const QTabBar *>(widget)) {
        // A tab list is named by its tabs.
        for (int i = 0; i < bar->count(); ++i)
            if (bar->tabText(i).isEmpty())
                return {};
        return bar->count() > 0 ? bar->tabText(0) : QString();
    }
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    if (!iface)
        return {};
    const QString own = iface->text(QAccessible::Name).trimmed();
    if (!own.isEmpty())
        return own;
    // A control labelled by another (a buddy label) is announced with that label's text.
    for (const auto &[label, relation] : iface->relations(QAccessible::Label))
        if (const QString text = label->text(QAccessible::Name).trimmed(); !text.isEmpty())
            return text;
    return {};
}

QString describe(const QWidget *widget)
{
    const QString name = widget->objectName().isEmpty() ? QStringLiteral("<no object name>") : widget->objectName();
    const QWidget *parent = widget->parentWidget();
    return QStringLiteral("%1 (%2) in %3")
        .arg(name, QString::fromLatin1(widget->metaObject()->className()),
             parent ? parent->objectName() : QStringLiteral("-"));
}

} // namespace

QStringList unnamedControls(QWidget *window)
{
    QStringList unnamed;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || widget->isWindow() || insideComposite(widget, window))
            continue;
        if (!isControl(widget) && !isFrame(widget))
            continue;
        if (accessibleName(widget).isEmpty())
            unnamed << describe(widget);
        // The text field of an editable combo box is announced on its own.
        if (const auto *combo = qobject_cast<const QComboBox *>(widget); combo && combo->lineEdit() &&
            accessibleName(combo->lineEdit()).isEmpty())
            unnamed << describe(combo->lineEdit());
    }
    return unnamed;
}
