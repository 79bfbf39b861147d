#pragma once

#include <functional>

class QAction;
class QMenu;
class QPushButton;
class QWidget;
class RiskRegisterWindow;

// Where the risk register opens from: a menu item and a button, both opening it over their window.
namespace RiskRegisterCommand {

// "Risk &Register…" would share R with "&Restore Workbook…" on the same menu.
constexpr auto MenuCaption = u"Risk Re&gister…";

// Opens the register of the workbook in use as a modal window over `parent` and returns it at once;
// says why and returns null when the workbook has no compliance record open.
RiskRegisterWindow *open(QWidget *parent);
// `opened`, when given, is told of each window the item opens.
QAction *addMenuItem(QMenu *menu, QWidget *parent, std::function<void(QWidget *window)> opened = {});
QPushButton *createButton(QWidget *parent);

} // namespace RiskRegisterCommand
