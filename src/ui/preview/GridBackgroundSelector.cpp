#include "ui/preview/GridBackgroundSelector.h"
#include "core/files/ContentFolder.h"

#include <QAction>
#include <QMenu>
#include "ui/shell/SettingSaveFailure.h"

GridBackgroundSelector::GridBackgroundSelector(QMenu *optionsMenu, DisplaySettings::Record record)
    : QObject(optionsMenu), m_record(record)
{
    gridMenu = optionsMenu->addMenu(QStringLiteral("&Grid Background Selector"));
    gridMenu->setObjectName(QStringLiteral("mOGrid"));
    for (int i = 0; i <= 8; ++i) {
        QAction *item = gridMenu->addAction(i == 0 ? QStringLiteral("&None") : QStringLiteral("&%1").arg(i));
        item->setObjectName(QStringLiteral("mOGrid1(%1)").arg(i));
        item->setCheckable(true);
        // The check mark is this class's to set: keep the one a click would toggle off.
        connect(item, &QAction::triggered, this, [this, i] { gridPictureClicked(i); });
        gridPictureItems.append(item);
    }
}

int GridBackgroundSelector::checkedIndex() const
{
    for (int i = 0; i < gridPictureItems.size(); ++i)
        if (gridPictureItems[i]->isChecked())
            return i;
    return -1;
}

void GridBackgroundSelector::check(int index)
{
    if (index >= 0 && index < gridPictureItems.size())
        gridPictureItems[index]->setChecked(true);
}

void GridBackgroundSelector::gridPictureClicked(int index)
{
    for (QAction *item : std::as_const(gridPictureItems))
        item->setChecked(false);
    check(index);
    emit pictureChanged(index == 0 ? QImage() : QImage(ContentFolder::file(DisplaySettings::pictureName(index))), index);
    tellIfSettingNotSaved(DisplaySettings().setValue(m_record, index));
}

void GridBackgroundSelector::applyStored()
{
    const DisplaySettings settings;
    const int n = DisplaySettings::pictureNumber(settings.text(m_record));
    check(n);
    emit pictureChanged(n == 0 ? QImage() : QImage(ContentFolder::file(DisplaySettings::pictureName(n))), n);
}
