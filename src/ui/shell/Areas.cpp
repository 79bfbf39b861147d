#include "ui/shell/Areas.h"

#include <QEvent>
#include <QTimer>
#include <memory>

#include "core/workbook/ProgramState.h"
#include "ui/misc/MiscAreaWindow.h"
#include "ui/reader/RuleReaderWindow.h"
#include "ui/workarea/WritingTools.h"
#include "ui/workarea/WorkAreaWindow.h"

namespace {

// Runs a step once the window's first activation has been handled: the window sees the activation after
// this filter, so the step is queued behind it.
class AfterFirstActivation : public QObject
{
public:
    AfterFirstActivation(AreaWindow &window, std::function<void(AreaWindow &)> step)
        : QObject(&window), m_window(window), m_step(std::move(step))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_window && event->type() == QEvent::ActivationChange && m_window.isActiveWindow() &&
            !m_queued) {
            m_queued = true;
            QTimer::singleShot(0, &m_window, [this] {
                m_window.removeEventFilter(this);
                m_step(m_window);
            });
        }
        return false;
    }

private:
    AreaWindow &m_window;
    std::function<void(AreaWindow &)> m_step;
    bool m_queued = false;
};

} // namespace

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
    if (extras.firstActivated)
        new AfterFirstActivation(*window, extras.firstActivated);
    return window;
}

void runAreaWindow(int area, QWidget *startScreen, const AreaExtras &extras)
{
    if (std::unique_ptr<AreaWindow> window = makeAreaWindow(area, startScreen, extras))
        window->exec();
}
