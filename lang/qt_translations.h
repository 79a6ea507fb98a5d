// Qt's own texts (the buttons of message boxes, the file dialogs) in the
// game's language rather than the system's, from Qt's installed translations.
#pragma once

#include <cstdint>

namespace quintavo::lang {

// Installs the translation of Qt's texts for one of the game's languages and
// drops the one installed before; without an installed translation Qt's
// texts stay English. Returns whether a translation is in use.
bool UseQtTranslations(std::int32_t language);

} // namespace quintavo::lang
