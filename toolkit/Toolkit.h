// Starting and ending the toolkit.
#pragma once

namespace tk {

// Prepares the toolkit on the calling thread, which becomes its one GUI thread: takes the module handle,
// the display's DPI (96 if no display device context can be made), the program icon (icon resource 1,
// if the executable has one) and the arrow cursor, registers the toolkit's window classes, initialises
// the common controls (internet, extended combo box, date, hot-key, tab and tooltip classes) and COM
// (single-threaded; it stays initialised until the process ends). Returns false if a window class
// cannot be registered.
bool Initialise();

// Ends the toolkit, in this order: runs the actions registered with AtShutdown (last registered first),
// destroys every open window with its controls, forgets the queued events, frees the pictures and fonts
// it holds, unregisters its window classes and releases its own memory. The toolkit can be initialised
// again afterwards.
void Shutdown();

// Registers an action for Shutdown to run before it destroys the windows, for example closing files
// that a front end of the program keeps open.
void AtShutdown(void (*action)());

// The vertical resolution of the display in dots per inch, as found by Initialise.
int ScreenDpi();

} // namespace tk
