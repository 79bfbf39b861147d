#pragma once

#include <QString>
#include <QtGlobal>

// Program-wide values and shared procedures.
namespace ProgramState {

// Area numbers: the tabs of every area tab strip.
enum Area : qint16 { Home = 0, SecurityRule = 1, OfficeActionArea = 2, Miscellaneous = 3, ExitProgram = 4 };

// The area an area window asks the start screen to open once it has closed; 0 = nothing pending.
inline qint16 PendingArea = 0;
// Answer of the last message box (6 Yes, 7 No, 2 Cancel); also the settings-load marker.
inline double SharedAnswer = 0;
// The rule page the reader is loading.
inline qint16 ReaderPage = 0;
// 99 once the splash has been shown in this run.
inline qint16 SplashShown = 0;
// The start screen's size in twips.
inline qint16 StartScreenWidth = 0;
inline qint16 StartScreenHeight = 0;

// The workbook folder, which holds every data file and is made current at start-up; empty means the
// executable's own folder.
inline QString WorkbookFolder;
void goToWorkbookFolder();

// Screen mouse pointer: 11 hourglass, 0 default.
void busyOn();
void busyOff();
int mousePointer();

// Waits until the clock's seconds value has advanced by 2, across the minute boundary.
// Returns the number of clock reads it made.
int startupPause();

// Restores every value to its start-of-run state.
void reset();

} // namespace ProgramState
