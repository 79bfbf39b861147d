#pragma once

class QImage;

// What the misc window asks of the to-do list on its "To Do List" tab. The defaults are those of a list
// that never changes, so the window works before a list is placed into it.
class TodoListHooks
{
public:
    virtual ~TodoListHooks() = default;

    // Window load: the name list, then the grid; the list counts as unchanged afterwards.
    virtual void load() {}
    // Window activation: column widths, current cell (1, 1), command states, focus.
    virtual void activate() {}
    // The grid holds changes not yet written (gridChanged is set).
    virtual bool changed() const { return false; }
    // Writes the grid. False when it could not be written; the failure has been reported to the user.
    virtual bool save() { return true; }
    // The user chose not to save: the changes stay in the grid, but it counts as unchanged.
    virtual void forgetChanges() {}
    // The Options menu or Help is opening.
    virtual void hideCalendar() {}
    // A right-button release is about to pop up the Options menu.
    virtual void optionsMenuRequested() {}
    // The picture behind the grid; a null image for none.
    virtual void setGridPicture(const QImage &) {}
};
