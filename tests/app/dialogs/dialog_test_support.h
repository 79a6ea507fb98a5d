// Helpers shared by the dialog tests: the program's language state, modal
// dialogs driven from inside their event loop, screenshots for people to see.
#pragma once

#include <cstdint>
#include <functional>

#include <QString>
#include <QStringList>

class QWidget;

namespace quintavo::app::test {

// The current language and the 22 shared texts.
struct LanguageState {
    std::int32_t CurrentLanguageID = 0;
    QStringList Texts;

    static LanguageState Capture();
    void Restore() const;
    bool operator==(const LanguageState&) const = default;
};

// Puts the language state back when the test ends.
class LanguageStateGuard {
public:
    LanguageStateGuard() : m_saved(LanguageState::Capture()) {}
    ~LanguageStateGuard() { m_saved.Restore(); }
    LanguageStateGuard(const LanguageStateGuard&) = delete;
    LanguageStateGuard& operator=(const LanguageStateGuard&) = delete;

private:
    LanguageState m_saved;
};

// Runs `action` with the modal widget that is active once the event loop
// turns, e.g. inside exec(). Fails the test if there is none.
void WhenModal(std::function<void(QWidget* modal)> action);

// Saves a picture of `widget` as <artifacts>/dialogs/<name>.png.
void SaveScreenshot(QWidget& widget, const QString& name);

} // namespace quintavo::app::test
