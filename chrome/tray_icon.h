// The icon in the desktop's notification area: tooltip, popup menu, click and
// double-click timing, minimising the owner window to the icon and bringing
// it back. Where the desktop has no notification area no icon is made at all;
// callers ask `Available()` before hiding a window to it. A host that speaks
// the D-Bus item protocol reports one activation instead of clicks; that
// arrives as `OnActivate`.
#pragma once

#include <functional>
#include <memory>

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>

#include "chrome/plain_timer.h"

class QSystemTrayIcon;
class QWidget;

namespace quintavo::chrome {

class TTrayIcon : public QObject {
    Q_OBJECT
public:
    // The owner form is watched for minimising and showing.
    explicit TTrayIcon(QWidget* ownerForm, QObject* parent = nullptr);
    ~TTrayIcon() override;

    // Whether the desktop offers a notification area now.
    static bool Available();
    // Whether that area is a D-Bus host, which activates an item rather than
    // reporting its clicks.
    static bool HostActivates();

    // Properties
    QIcon Icon() const { return m_icon; }
    void SetIcon(const QIcon& icon);
    bool IconVisible() const { return m_iconVisible; }
    void SetIconVisible(bool visible);
    // Up to 255 characters are kept, the first 127 shown.
    static constexpr int MaxHintLength = 255;
    static constexpr int MaxShownHintLength = 127;
    QString Hint() const { return m_hint; }
    void SetHint(const QString& hint);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool show);
    // The tooltip the notification area shows: the hint, cut, or nothing.
    QString ShownTip() const;
    QMenu* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(QMenu* menu);
    bool MinimizeToTray() const { return m_minimizeToTray; }
    void SetMinimizeToTray(bool value) { m_minimizeToTray = value; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value) { m_enabled = value; }
    bool LeftPopup() const { return m_leftPopup; }
    void SetLeftPopup(bool value) { m_leftPopup = value; }
    // Whether the icon stands in the notification area now.
    bool IconShown() const;

    // Events
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(Qt::MouseButton)> OnMouseDown;
    std::function<void(Qt::MouseButton)> OnMouseUp;
    // The host's single activation; it never reports a double click.
    std::function<void()> OnActivate;
    // The owner window was shown or hidden (also by the window system), so
    // that items which name the window's state can follow it at once.
    std::function<void()> OnOwnerShownOrHidden;

    // Mouse messages from the notification area; public so that tests can
    // play a sequence without a desktop.
    void LeftButtonDown();
    void LeftButtonUp();
    void LeftDoubleClick();
    void RightButtonDown();
    void RightButtonUp();
    void MiddleButtonDown();
    void MiddleButtonUp();
    void HostActivation();

    // Click timing: the system double-click time unless set; the timer can
    // be replaced by one that tests drive.
    int DoubleClickTime() const;
    void SetDoubleClickTime(int ms) { m_doubleClickTime = ms; }
    void SetClickTimer(std::unique_ptr<TPlainTimer> timer);
    TPlainTimer& ClickTimer() { return *m_clickTimer; }

    // Minimising the owner while MinimizeToTray: the window goes, the icon
    // stays. Runs from the owner's state change; public for tests.
    void MinimizeOwnerToTray();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ClickTimerExpired();
    void OpenMenu();
    void Update();
    void MakeIcon();
    void ReportShownOrHidden();

    QPointer<QWidget> m_owner;
    std::unique_ptr<QSystemTrayIcon> m_tray;
    std::unique_ptr<TPlainTimer> m_clickTimer;
    QIcon m_icon;
    bool m_iconVisible = false;
    QString m_hint;
    bool m_showHint = true;
    QPointer<QMenu> m_popupMenu;
    bool m_minimizeToTray = false;
    bool m_enabled = true;
    bool m_leftPopup = false;
    int m_doubleClickTime = -1;
    bool m_leftDown = false;
    bool m_clickPending = false;
    bool m_doubleClicked = false;
    bool m_hiddenToTray = false;
    bool m_hostActivates = false;
};

} // namespace quintavo::chrome
