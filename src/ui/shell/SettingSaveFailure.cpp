#include "ui/shell/SettingSaveFailure.h"

#include "core/files/WorkbookAccess.h"
#include "ui/widgets/Dialogs.h"

void tellIfSettingNotSaved(const Outcome &saved)
{
    // A workbook opened read-only keeps its settings for this run by design.
    if (saved || WorkbookAccess::current().isReadOnly())
        return;
    Dialogs::current().messageBox(QStringLiteral("The display setting could not be saved.\r\r") + saved.error +
                                      QStringLiteral("\r\rIt applies until the program ends."),
                                  Dialogs::OkOnly + Dialogs::Exclamation, QStringLiteral("Save Failed"));
}
