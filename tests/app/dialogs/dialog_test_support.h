// Helpers shared by the dialog tests: modal dialogs driven from inside their
// event loop, screenshots for people to see.
#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace quintavo::app::test {

// Runs `action` with the modal widget that is active once the event loop
// turns, e.g. inside exec(). Fails the test if there is none.
void WhenModal(std::function<void(QWidget* modal)> action);

// Saves a picture of `widget` as <artifacts>/dialogs/<name>.png.
void SaveScreenshot(QWidget& widget, const QString& name);

} // namespace quintavo::app::test
