#include "ui/shell/Areas.h"

#include <memory>

#include "core/workbook/ProgramState.h"
#include "ui/misc/MiscAreaWindow.h"
#include "ui/reader/RuleReaderWindow.h"
#include "ui/workarea/WritingTools.h"
#include "ui/workarea/WorkAreaWindow.h"

void runAreaWindow(int area, QWidget *startScreen)
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
        return;
    }
    window->exec();
}
