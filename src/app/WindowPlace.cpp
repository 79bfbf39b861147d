#include "app/WindowPlace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace WindowPlace {

namespace {

QString settingsKey(const QString &key)
{
    return QLatin1String(Group) + QLatin1Char('/') + key;
}

bool onSomeScreen(const QRect &frame)
{
    for (const QScreen *screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(frame))
            return true;
    return false;
}

} // namespace

void restore(QWidget *window, const QString &key, const QRect &first, const QSize &minimum)
{
    window->setMinimumSize(minimum);
    const QByteArray kept = QSettings().value(settingsKey(key)).toByteArray();
    if (!kept.isEmpty() && window->restoreGeometry(kept) && onSomeScreen(window->frameGeometry()))
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMaximized);
    window->setGeometry(first);
}

void save(const QWidget *window, const QString &key)
{
    QSettings().setValue(settingsKey(key), window->saveGeometry());
}

} // namespace WindowPlace
