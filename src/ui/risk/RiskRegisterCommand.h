#pragma once

class QAction;
class QMenu;
class QPushButton;
class QWidget;

// Where the risk register opens from: a menu item and a button, both opening it over their window.
namespace RiskRegisterCommand {

// "Risk &Register…" would share R with "&Restore Workbook…" on the same menu.
constexpr auto MenuCaption = u"Risk Re&gister…";

// Opens the register of the workbook in use as a modal window over `parent` and returns at once; says
// why when the workbook has no compliance record open.
void open(QWidget *parent);
QAction *addMenuItem(QMenu *menu, QWidget *parent);
QPushButton *createButton(QWidget *parent);

} // namespace RiskRegisterCommand
