#pragma once

// A logout or a shutdown ends the application with SIGTERM or SIGHUP (a
// terminal's Ctrl+C with SIGINT). Once this is installed, each of them asks
// the event loop to quit, as closing the window does, so that everything
// that happens on quitting (saving the comic) happens. The handler only
// writes a byte into a pipe; the event loop reads it.
namespace TerminationSignals {
// Needs the application object; once is enough.
bool install();
}
