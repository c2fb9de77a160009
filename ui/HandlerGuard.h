#pragma once
// Every event handler of the windows runs through RunHandler: an exception that escapes a handler is shown
// in a modal error box, the rest of that handler is skipped, and the program goes on with the next event.
// Qt must never see an exception unwind through its event loop.

#include <functional>

class QWidget;

namespace ui {

// Runs handler; if it throws, shows the exception's message in a modal error box over parent.
void RunHandler(QWidget* parent, const std::function<void()>& handler);

// The error box itself, also used by the entry point for failures during start-up.
void ShowExceptionBox(QWidget* parent, const char* message);

}  // namespace ui
