// The splash window: a picture and a progress bar that fills once while the
// program starts. It refuses to close before the bar is full.
#pragma once

#include <chrono>

#include <QWidget>

class QLabel;
class QProgressBar;

namespace quintavo::app {

class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 318;
    static constexpr int ClientHeight = 92;

    explicit TfrmSplash(QWidget* parent = nullptr);

    // Shows the window, centred on the screen, runs the bar to the end and
    // repaints; returns when the bar is full.
    void ShowSplash();

    // False until the bar has run once.
    bool SplashDone() const { return m_splashDone; }
    int Progress() const;

    // Runs the bar from 1 to 100 unless it has run or is running: after each
    // step a short pause and the pending window messages.
    void FormActivate();
    // The pause after each step, 5 ms by default.
    void SetStepPause(std::chrono::milliseconds pause) { m_stepPause = pause; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override; // FormCloseQuery

private:
    QProgressBar* m_gauge = nullptr;
    std::chrono::milliseconds m_stepPause{5};
    bool m_splashDone = false;
    bool m_running = false;
};

} // namespace quintavo::app
