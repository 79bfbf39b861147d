#pragma once

#include <QRect>
#include <QString>

class QWidget;

// A window's size, place and maximised state, kept per user in the settings for this run and the next.
namespace WindowPlace {

// Gives `window` its kept size and place (maximised if it was), or `first` when none is kept or the kept
// place lies on no screen now. The window can never be made smaller than `minimum`, nor than the screen
// allows: on a smaller screen it is made to fit.
void restore(QWidget *window, const QString &key, const QRect &first, const QSize &minimum);

// Keeps the window's size, place and maximised state under `key`.
void save(const QWidget *window, const QString &key);

// The settings group the places are kept in.
inline constexpr auto Group = "Windows";

} // namespace WindowPlace
