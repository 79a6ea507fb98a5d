// Switching the interface language: the language state (the current language
// and the 22 shared message strings), and the three routines that write a
// language's texts into the game window, the options dialog and the About
// window.
//
// How a window takes part: it gives each control that a table of
// lang/language_tables.h names the same Qt object name, exactly as written
// there (case matters), e.g.
//     auto* label = new QLabel(QStringLiteral("Neu"), this);
//     label->setObjectName(QStringLiteral("NeuLbl"));
// and passes itself to its routine. A control is looked up among the window's
// descendants, but not inside other windows it owns (a dialog parented to the
// game window keeps its own `Label1`); popup menus count as part of the
// window. Each name must be unique within its window; `ControlNameProblems`
// lets a window's test check that. What the text becomes depends on the kind
// of the control found:
//     page of a QTabWidget (`TabSheet1`...)   its tab text
//     QGroupBox (also `RadioGroup1`)          title
//     QAbstractButton, QLabel, QAction        text
//     QMenu                                   title
//     any other object                        its writable "text" property, else "title"
// The window's own title is set for the table's "Caption" entry. A control
// that the window lacks is skipped. Design-time captions are the German
// texts; a window shows another language only once its routine has run.
//
// Names chosen here because the tables leave them open: the About window's
// scrolling thanks label is `ScrollLabel1`; its hidden advertising line is
// `Label4` and its address line `Label7`.
#pragma once

#include <cstdint>
#include <string_view>

#include <QString>
#include <QStringList>

#include "lang/language_tables.h"

class QObject;
class QWidget;

namespace quintavo::lang {

// Language state
// The game window owns one and lends it to those that show its texts; a
// dialog that previews another language works on a copy of its own.
struct LanguageState {
    // The current language number, stored in the settings file under this name.
    std::int32_t CurrentLanguageID = German;

    // Empty until the first routine runs.
    QString sMenuAbout;
    QString sMenuOptions;
    QString sMenuClose;
    QString sShow;
    QString sHide;
    QString sInvalidFile;
    QString sGamePrefix; // ends in a blank; a file name follows
    QString sNewFileName;
    QString sAskSave;
    QString sCancelGame; // two lines (CR LF) except in Italian
    QString sStart;
    QString sStop;
    QString sMate;
    QString sCheck;
    QString sDraw;
    QString sCastling;
    QString sTimeOver;
    QString sStaleMate;
    QString sThreefold;
    QString sInternalError;
    QString sLoadError;
    QString sSearchDepth; // ends in a blank; the depth number follows

    bool operator==(const LanguageState&) const = default;
};

// The shared string of that name (see SharedTextNames), or nullptr.
QString* SharedText(LanguageState& state, std::string_view name);
const QString* SharedText(const LanguageState& state, std::string_view name);

// Switching
// Each routine does nothing at all for a number outside 0..3. `window` may be
// null: the shared strings in `state` are still set. None of them changes the
// state's current language.

// The 21 main-window strings (all but sSearchDepth) and the eleven captions of
// the game window. The caller then copies the menu texts into the tray menu
// (SetTrayMenuCaptions).
void SetLanguageMain(LanguageState& state, std::int32_t language, QWidget* window);
// The options dialog's title, tabs, group boxes, check boxes, labels and
// buttons, and sSearchDepth. The dialog passes its language list's index and
// rebuilds its depth caption afterwards.
void SetLanguageOptions(LanguageState& state, std::int32_t language, QWidget* window);
// The About window's title and text labels.
void SetLanguageAbout(LanguageState& state, std::int32_t language, QWidget* window);

// Tray menu items `ber1`, `Optionen1` and `Close1` (QActions, found under
// `menuOwner` by object name) get sMenuAbout, sMenuOptions and sMenuClose.
// The show/hide item `Hide1` is set by the window when the menu opens.
void SetTrayMenuCaptions(const LanguageState& state, QObject* menuOwner);

// Helpers for windows and their tests
// Sets `text` on one control by its kind, as listed above; false when the
// object has nothing to take a text.
bool SetControlText(QObject* control, const QString& text);

// The control of that object name under `window`, by the lookup rule above;
// nullptr when there is none. With several, the one nearest the window.
QObject* FindControl(QWidget* window, std::string_view name);

// Names of the table's controls that `window` lacks or holds more than once,
// each as "name: missing" or "name: N controls". Empty when all is well.
QStringList ControlNameProblems(Window table, QWidget* window);

} // namespace quintavo::lang
