#include "app/Areas.h"

#include <QEvent>
#include <QTimer>
#include <memory>

#include "app/HINFO1.h"
#include "misc/Misc1.h"
#include "reader/PrivRule1.h"
#include "reports/WritingTools.h"
#include "workarea/WorkArea1.h"

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
