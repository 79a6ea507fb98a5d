// The About window: logo, version, contact and web links and a thanks line
// that starts scrolling a few seconds after the window was created. Enter,
// Escape and Space close it like its OK button.
#pragma once

#include <chrono>

#include <QDialog>
#include <QString>

#include "lang/app_languages.h"

class QLabel;
class QTimer;

namespace quintavo::widgets {
class TMailLabel;
class TScrollLabel;
class TWebLabel;
} // namespace quintavo::widgets

namespace quintavo::app {

// Our own contact and web addresses.
inline constexpr char ContactAddress[] = "contact@quintavo.example";
inline constexpr char WebAddress[] = "https://quintavo.example";
inline constexpr char VersionText[] = "v2.0";

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 452;
    static constexpr int ClientHeight = 217;

    // When the thanks ticker starts after creation, and how often it steps.
    struct Timing {
        std::chrono::milliseconds TickerDelay{3000};
        std::chrono::milliseconds TickerStep{100};
    };

    // Shows its texts in `language`'s current language.
    explicit TfrmAbout(const lang::LanguageState& language, QWidget* parent = nullptr)
        : TfrmAbout(language, parent, Timing{}) {}
    TfrmAbout(const lang::LanguageState& language, QWidget* parent, Timing timing);

    // Handlers
    void SpeedButton1Click(); // OK: closes with Accepted
    void Timer1Timer();       // starts the ticker and stops itself

    // Parts the game window and tests look at
    widgets::TScrollLabel* Ticker() const { return m_ticker; }
    widgets::TMailLabel* ContactLink() const { return m_contactLink; }
    widgets::TWebLabel* WebLink() const { return m_webLink; }
    QTimer* StartTimer() const { return m_startTimer; }

protected:
    void showEvent(QShowEvent* event) override; // FormShow
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // FormKeyDown; true when the key closed the window.
    bool HandleKey(int key);
    // Sizes the texts after a language change; wrapped lines that need more
    // room than their place push what lies below them down.
    void ArrangeForText();

    lang::LanguageState m_languageState;
    QWidget* m_frame = nullptr;
    QWidget* m_version = nullptr;
    QLabel* m_questions = nullptr;
    QLabel* m_address = nullptr;
    QWidget* m_thanksCaption = nullptr;
    QWidget* m_ok = nullptr;
    widgets::TScrollLabel* m_ticker = nullptr;
    widgets::TMailLabel* m_contactLink = nullptr;
    widgets::TWebLabel* m_webLink = nullptr;
    QTimer* m_startTimer = nullptr;
    bool m_placed = false;
};

} // namespace quintavo::app
