// The options dialog: five pages that edit the game's settings. The game
// window's Options command reads the settings file, fills the dialog from it,
// shows it modally and, on OK, reads it back, applies and saves the settings.
//
// Its controls carry the object names of the options table in
// lang/language_tables.h; the controls without a text there are named
// `PageControl1`, `GroupBox9` (the search-depth group), `TrackBar1`,
// `SpinEdit1`, `ComboBox1`, `ComboBox2`, `Panel1`, `Image1`, `Edit1`,
// `SpeedButton1`, `SpeedButton2` and `ColorButton1` ... `ColorButton3`.
#pragma once

#include <cstdint>
#include <functional>

#include <QDialog>
#include <QImage>
#include <QString>

#include "app/core/settings.h"
#include "lang/app_languages.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class QTabWidget;

namespace quintavo::widgets {
class TColorButton;
class TSpinEdit;
} // namespace quintavo::widgets

namespace quintavo::app {

class TfrmOptions : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 480;
    static constexpr int ClientHeight = 380;
    static constexpr int PieceSetEntries = 8; // "Set 1" ... "Set 8"

    // Asks for a file name; empty when the user cancelled.
    using FileDialog = std::function<QString(QWidget* parent)>;
    // Shows an error text to the user.
    using ErrorReporter = std::function<void(QWidget* parent, const QString& text)>;

    // Works on a copy of `language` (design texts without one): the language
    // list previews another language there only, so the lender's state
    // never changes.
    explicit TfrmOptions(const lang::LanguageState& language = {}, QWidget* parent = nullptr);

    // Settings in and out
    // Every control from its setting; depth and time limit brought into their
    // ranges. A language or piece set that the lists do not hold leaves the
    // list without a selection.
    void FillFromSettings(const appcore::Settings& settings);
    // Every control into its setting; settings without a control, and those
    // whose list has no selection, stay as they are.
    void ReadBackInto(appcore::Settings& settings) const;

    // Handlers
    void ComboBox2Click();  // language preview: this dialog only
    void TrackBar1Change(); // depth caption
    void ComboBox1Change(); // piece-set preview; unchecks "own image"
    void CheckBox4Click();
    void CheckBox5Click();
    void SpeedButton1Click(); // export the preview as a bitmap file
    void SpeedButton2Click(); // browse for an own bitmap
    void Button1Click();      // OK, refused with "Wrong file name"

    // The picture the preview shows, unstretched.
    QImage PreviewImage() const { return m_preview; }

    // Replacements for the file dialogs and the message box, e.g. in tests.
    void SetSaveBitmapDialog(FileDialog dialog) { m_saveDialog = std::move(dialog); }
    void SetOpenBitmapDialog(FileDialog dialog) { m_openDialog = std::move(dialog); }
    void SetErrorReporter(ErrorReporter reporter) { m_reportError = std::move(reporter); }

protected:
    void showEvent(QShowEvent* event) override; // FormShow

private:
    friend struct OptionBindings;

    void BuildGeneralPage(QWidget* page);
    void BuildMessagesPage(QWidget* page);
    void BuildExtendedPage(QWidget* page);
    void BuildColorsPage(QWidget* page);
    void BuildLanguagesPage(QWidget* page);
    QCheckBox* AddCheckBox(QWidget* parent, const char* name, int x, int y, int width);
    void RefreshPreview();

    QTabWidget* m_pages = nullptr;
    // General
    QCheckBox* m_animatedMoves = nullptr;      // CheckBox2
    QCheckBox* m_boardLines = nullptr;         // CheckBox3
    QCheckBox* m_computerPlaysBlack = nullptr; // CheckBox4
    QCheckBox* m_computerPlaysWhite = nullptr; // CheckBox5, hidden
    QCheckBox* m_whiteOnTop = nullptr;         // CheckBox10
    QCheckBox* m_whiteKingSide = nullptr;      // CheckBox11
    QCheckBox* m_whiteQueenSide = nullptr;     // CheckBox12
    QCheckBox* m_blackKingSide = nullptr;      // CheckBox13
    QCheckBox* m_blackQueenSide = nullptr;     // CheckBox14
    QCheckBox* m_coordsWest = nullptr;         // CheckBox6
    QCheckBox* m_coordsNorth = nullptr;        // CheckBox7
    QCheckBox* m_coordsEast = nullptr;         // CheckBox8
    QCheckBox* m_coordsSouth = nullptr;        // CheckBox9
    // Messages
    QCheckBox* m_showChess = nullptr;        // CheckBox15
    QCheckBox* m_showDraw = nullptr;         // CheckBox16
    QCheckBox* m_showMate = nullptr;         // CheckBox17
    QCheckBox* m_showCasteling = nullptr;    // CheckBox18
    QCheckBox* m_showThreeFoldPos = nullptr; // CheckBox1
    // Extended
    QGroupBox* m_algorithms = nullptr; // RadioGroup1
    QRadioButton* m_algorithmA = nullptr;
    QRadioButton* m_algorithmB = nullptr;
    widgets::TSpinEdit* m_timeLimit = nullptr; // SpinEdit1
    QGroupBox* m_depthGroup = nullptr;         // GroupBox9
    QSlider* m_depth = nullptr;                // TrackBar1
    QComboBox* m_pieceSet = nullptr;           // ComboBox1
    QLabel* m_previewLabel = nullptr;          // Image1
    QCheckBox* m_ownImage = nullptr;           // CheckBox20
    QLineEdit* m_ownImagePath = nullptr;       // Edit1
    QCheckBox* m_askForSaving = nullptr;       // CheckBox19
    // Colors
    widgets::TColorButton* m_darkSquares = nullptr;  // ColorButton1
    widgets::TColorButton* m_lightSquares = nullptr; // ColorButton2
    widgets::TColorButton* m_frame = nullptr;        // ColorButton3
    // Languages
    QComboBox* m_language = nullptr; // ComboBox2

    QImage m_preview;
    // What the filled settings held where a control cannot show every value.
    int m_filledPieceSet = 0;
    int m_filledLanguage = 0;
    std::int32_t m_filledDark = 0;
    std::int32_t m_filledLight = 0;
    std::int32_t m_filledFrame = 0;
    // The texts this dialog shows; the language preview writes only here.
    lang::LanguageState m_languageState;

    FileDialog m_saveDialog;
    FileDialog m_openDialog;
    ErrorReporter m_reportError;
    bool m_placed = false;
};

// The dialog part of the Options command: a dialog filled from `settings`,
// shown modally; on OK its values are read back into `settings` and the
// answer is true. On Cancel `settings` stays as it was; `language` is only read.
bool ExecOptionsDialog(appcore::Settings& settings, const lang::LanguageState& language,
                       QWidget* parent);

} // namespace quintavo::app
