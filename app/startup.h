#pragma once

class QApplication;

namespace app {

struct ProjectRecord;

// Starts the program from its project record: its name, version and icon, the
// Japanese translations and font faces its locale asks for, then the start-up
// form created into its slot, loaded and shown. Nothing else is created: the
// About box waits until it is asked for.
void start(QApplication &application, const ProjectRecord &project);

// Runs the event loop until the program ends (the exit button or menu item,
// or the last window closed), then destroys the windows that were let go, so
// none outlives the loop. Returns the exit code.
int run(QApplication &application);

} // namespace app
