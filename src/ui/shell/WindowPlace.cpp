#include "ui/shell/WindowPlace.h"

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
    // A screen smaller than the first size (a large scale factor) gets the whole window on it.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window->setMinimumSize(minimum.boundedTo(screen.size()));
    const QByteArray kept = QSettings().value(settingsKey(key)).toByteArray();
    if (!kept.isEmpty() && window->restoreGeometry(kept) && onSomeScreen(window->frameGeometry()))
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMaximized);
    // A first place that fits the screen is kept as it is, so that an area window lies exactly over the
    // start screen; a larger one is shrunk and moved onto the screen.
    QRect place(first.topLeft(), first.size().boundedTo(screen.size()));
    if (place.size() != first.size() || !onSomeScreen(place)) {
        place.moveLeft(qBound(screen.left(), place.left(), screen.left() + screen.width() - place.width()));
        place.moveTop(qBound(screen.top(), place.top(), screen.top() + screen.height() - place.height()));
    }
    window->setGeometry(place);
}

void save(const QWidget *window, const QString &key)
{
    QSettings().setValue(settingsKey(key), window->saveGeometry());
}

} // namespace WindowPlace
