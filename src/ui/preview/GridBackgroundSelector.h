#pragma once

#include <QImage>
#include <QList>
#include <QObject>

#include "core/settings/DisplaySettings.h"

class QAction;
class QMenu;

// The Options menu's "&Grid Background Selector" (gridMenu) with its nine items gridPictureItems(0..8):
// "&None" and the pictures "&1" to "&8". One item carries the check mark; the choice is stored in its record
// of the display settings. The window puts the picture behind its grid.
class GridBackgroundSelector : public QObject
{
    Q_OBJECT

public:
    // `record`: WorkAreaGridPicture or MiscGridPicture. The submenu is added to `optionsMenu`.
    GridBackgroundSelector(QMenu *optionsMenu, DisplaySettings::Record record);

    QMenu *gridMenu = nullptr;
    QList<QAction *> gridPictureItems;

    // The checked item, or -1 when none is.
    int checkedIndex() const;

    // Applies the stored choice (window load); writes nothing.
    void applyStored();
    void gridPictureClicked(int index);

  signals:
    // The picture to draw behind the grid; a null image for none (`index` 0) or a missing file.
    void pictureChanged(const QImage &picture, int index);

private:
    void check(int index);

    DisplaySettings::Record m_record;
};
