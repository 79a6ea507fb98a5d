// The game window's boxes one at a time. Board events and timers go on while
// a box waits for the player; a message they raise then waits its turn and
// opens after the open box closes, never on top of it. The window's clock
// asks whether a box is open, and holds while one is.
#pragma once

#include <deque>
#include <functional>
#include <memory>

#include "app/user_prompts.h"

namespace quintavo::app {

class OneBoxPrompts : public IUserPrompts {
public:
    explicit OneBoxPrompts(std::shared_ptr<IUserPrompts> inner);

    // Whether one of these boxes or another modal window of the program is open.
    bool BoxOpen() const;

    Answer AskYesNoCancel(QWidget* parent, const QString& text) override;
    Answer AskYesNo(QWidget* parent, const QString& text) override;
    void ShowMessage(QWidget* parent, const QString& text) override;
    void ShowInformation(QWidget* parent, const QString& text) override;
    QString SaveGameFileName(QWidget* parent, const QString& proposedName) override;
    QString OpenGameFileName(QWidget* parent) override;

private:
    template <typename Box> auto Open(Box&& box);
    void ShowOrQueue(std::function<void()> show);

    std::shared_ptr<IUserPrompts> m_inner;
    int m_open = 0;
    std::deque<std::function<void()>> m_waiting;
};

} // namespace quintavo::app
