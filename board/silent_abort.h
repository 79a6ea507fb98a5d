// The silent abort: a cancellation that unwinds a user command and is
// swallowed at the command's edge without a message (the board's click veto,
// the save question, the game-file dialogs). Deliberately not derived from
// std::exception, so that a handler reporting errors never shows it.
#pragma once

namespace quintavo {

class SilentAbort {};

} // namespace quintavo
