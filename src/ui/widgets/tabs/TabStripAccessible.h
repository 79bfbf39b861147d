#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// What assistive technology sees of a row tab bar: a page-tab list whose tabs carry their captions, their
// places in the rows, the selected state of the current tab and a press action that selects a tab.
QAccessibleInterface *rowTabBarAccessible(const QString &className, QObject *object);
