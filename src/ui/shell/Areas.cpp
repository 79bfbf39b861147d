#include "ui/shell/Areas.h"

#include <memory>

#include "core/workbook/HINFO1.h"
#include "ui/misc/Misc1.h"
#include "ui/reader/PrivRule1.h"
#include "ui/workarea/WritingTools.h"
#include "ui/workarea/WorkArea1.h"

void runAreaWindow(int area, QWidget *startScreen)
{
    std::unique_ptr<AreaWindow> window;
    switch (area) {
    case HINFO1::SecurityRule:
        window = std::make_unique<PrivRule1>(startScreen);
        break;
    case HINFO1::OfficeActionArea: {
        auto tools = std::make_shared<WritingTools>();
        auto workArea = std::make_unique<WorkArea1>(startScreen, WritingTools::addHooks({}, tools));
        tools->setEditor(workArea->Rtext3);
        window = std::move(workArea);
        break;
    }
    case HINFO1::Miscellaneous:
        window = std::make_unique<Misc1>(startScreen);
        break;
    default:
        return;
    }
    window->exec();
}
