#include "ui/shell/Areas.h"

#include <memory>

#include "core/workbook/ProgramState.h"
#include "ui/misc/MiscAreaWindow.h"
#include "ui/reader/RuleReaderWindow.h"
#include "ui/workarea/WritingTools.h"
#include "ui/workarea/WorkAreaWindow.h"

std::unique_ptr<AreaWindow> makeAreaWindow(int area, QWidget *startScreen, const AreaExtras &extras)
{
    std::unique_ptr<AreaWindow> window;
    switch (area) {
    case ProgramState::SecurityRule:
        window = std::make_unique<RuleReaderWindow>(startScreen);
        break;
    case ProgramState::OfficeActionArea: {
        auto tools = std::make_shared<WritingTools>();
        auto workArea = std::make_unique<WorkAreaWindow>(startScreen, WritingTools::addHooks({}, tools));
        tools->setEditor(workArea->entryEditor);
        window = std::move(workArea);
        break;
    }
    case ProgramState::Miscellaneous:
        window = std::make_unique<MiscAreaWindow>(startScreen);
        break;
    default:
        return nullptr;
    }
    if (extras.firstActivated) {
        // Queued: the window's own opening work may run the event loop, and the step comes after all of it.
        AreaWindow *shown = window.get();
        QObject::connect(
            shown, &AreaWindow::firstActivationHandled, shown,
            [shown, step = extras.firstActivated] { step(*shown); },
            static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
    }
    return window;
}

void runAreaWindow(int area, QWidget *startScreen, const AreaExtras &extras)
{
    if (std::unique_ptr<AreaWindow> window = makeAreaWindow(area, startScreen, extras))
        window->exec();
}
