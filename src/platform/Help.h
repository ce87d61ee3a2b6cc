#pragma once

#include <functional>

class QWidget;

// The "Hilfe" buttons of the dialogs open the manual through here; the
// application installs the function that does it, tests a recorder.
namespace Help {

using OpenFunction = std::function<void(QWidget* parent)>;

// Replaces the function; nullptr makes Open do nothing.
void SetOpenFunction(OpenFunction f);
void Open(QWidget* parent);
// F1 anywhere in the window opens the manual, as its "Hilfe" button does.
void InstallHelpKey(QWidget* window);

} // namespace Help
