#include "ui/widgets/tabs/TabStripAccessible.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

#include "ui/widgets/tabs/TabStrip.h"

namespace {

class RowTab : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    RowTab(RowTabBar *bar, int index) : m_bar(bar), m_index(index) {}

    bool isValid() const override { return m_bar && m_index < m_bar->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_bar ? m_bar->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_bar.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name) {
            // "&&" shows one ampersand, a single "&" marks the access key.
            QString caption = m_bar->tabText(m_index);
            caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
            caption.remove(QLatin1Char('&'));
            return caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        }
        if (t == QAccessible::Description)
            return m_bar->tabToolTip(m_index);
        return {};
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = m_bar->rowTabRect(m_index);
        return {m_bar->mapToGlobal(r.topLeft()), r.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        const bool current = m_bar->currentIndex() == m_index;
        s.selectable = true;
        s.selected = current;
        s.focusable = true;
        s.focused = current && m_bar->hasFocus();
        s.disabled = !m_bar->isTabEnabled(m_index);
        s.invisible = !m_bar->isVisible();
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && isValid() && m_bar->isTabEnabled(m_index))
            m_bar->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<RowTabBar> m_bar;
    int m_index;
};

class RowTabList : public QAccessibleWidget
{
public:
    explicit RowTabList(RowTabBar *bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~RowTabList() override
    {
        for (QAccessible::Id id : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return bar()->count(); }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= bar()->count())
            return nullptr;
        if (const auto found = m_tabs.constFind(index); found != m_tabs.constEnd())
            return QAccessible::accessibleInterface(*found);
        auto *tab = new RowTab(bar(), index);
        m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (auto it = m_tabs.constBegin(); it != m_tabs.constEnd(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint at = bar()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < bar()->count(); ++i)
            if (bar()->rowTabRect(i).contains(at))
                return child(i);
        return nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !own.isEmpty())
            return own;
        // Named as the strip it belongs to.
        return bar()->parentWidget() ? bar()->parentWidget()->accessibleName() : QString();
    }

private:
    RowTabBar *bar() const { return static_cast<RowTabBar *>(widget()); }

    mutable QHash<int, QAccessible::Id> m_tabs;
};

} // namespace

QAccessibleInterface *rowTabBarAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("RowTabBar") && object && object->isWidgetType())
        return new RowTabList(static_cast<RowTabBar *>(object));
    return nullptr;
}
