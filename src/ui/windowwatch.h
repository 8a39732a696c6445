// Ends the application when another client destroys its window (on X11 any
// client may): Qt sees only an unmapped window and would go on without one.
#pragma once

class QWidget;

namespace WindowWatch {

// Call once the window has been shown.
void quitWhenDestroyed(QWidget &window);

} // namespace WindowWatch
