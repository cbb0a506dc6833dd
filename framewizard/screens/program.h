#pragma once
// Program-wide state of framewizard's screens: the one frame model every
// screen reads and writes, and the folder the results file goes under.

#include "framewizard/model/frame_model.h"

#include <QString>

namespace framewizard {

// The frame model of this run (lives from program start to end).
FrameModel& frameModel();

// Folder under which the results file is written on systems without drive D:
// <home>/WTG1/STATES.text. Defaults to the user's home folder; tests set their
// own. An empty text restores the default.
void setResultsHome(const QString& folder);
QString resultsHome();

// Full path of the results file for the current home folder.
QString resultsFilePath();

} // namespace framewizard
