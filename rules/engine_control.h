// What the board model asks of whoever runs its engine: a pause before every
// change of the position and a chance to move after it.
#pragma once

namespace quintavo {

class IEngineControl {
public:
    virtual ~IEngineControl() = default;

    // Returns once the engine no longer reads the board.
    virtual void PauseEngine() = 0;
    // Lets the engine move if the computer now has the move.
    virtual void StartThinking() = 0;
};

} // namespace quintavo
