#include "chrome/tray_icon.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QEvent>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

namespace quintavo::chrome {

TTrayIcon::TTrayIcon(QWidget* ownerForm, QObject* parent) : QObject(parent), m_owner(ownerForm) {
    SetClickTimer(std::make_unique<TPlainTimer>());
    if (m_owner) m_owner->installEventFilter(this);
}

TTrayIcon::~TTrayIcon() {
    if (m_owner) m_owner->removeEventFilter(this);
    if (m_tray) m_tray->hide();
}

void TTrayIcon::MakeIcon() {
    // Made only once a notification area exists: showing an icon without one
    // makes Qt watch for an area through a signal that Wayland lacks.
    m_tray = std::make_unique<QSystemTrayIcon>();
    m_hostActivates = HostActivates();
    m_tray->setIcon(m_icon);
    m_tray->setToolTip(ShownTip());
    if (m_popupMenu) m_tray->setContextMenu(m_popupMenu);
    connect(m_tray.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                switch (reason) {
                case QSystemTrayIcon::Trigger:
                    if (m_hostActivates) {
                        HostActivation();
                        break;
                    }
                    // The notification area reports a press and release as one.
                    LeftButtonDown();
                    LeftButtonUp();
                    break;
                case QSystemTrayIcon::DoubleClick:
                    LeftDoubleClick();
                    break;
                case QSystemTrayIcon::Context:
                    // The menu itself is opened by the notification area.
                    if (m_enabled && OnMouseDown) OnMouseDown(Qt::RightButton);
                    RightButtonUp();
                    break;
                case QSystemTrayIcon::MiddleClick:
                    MiddleButtonDown();
                    MiddleButtonUp();
                    break;
                default:
                    break;
                }
            });
}

bool TTrayIcon::Available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool TTrayIcon::HostActivates() {
    // The same question Qt asks before it makes its D-Bus item.
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()) return false;
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    if (!bus.interface()->isServiceRegistered(watcher)) return false;
    QDBusMessage get = QDBusMessage::createMethodCall(
        watcher, QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << watcher << QStringLiteral("IsStatusNotifierHostRegistered");
    // Asked at start-up: a host that does not answer must not hold the game up.
    const QDBusReply<QDBusVariant> reply = bus.call(get, QDBus::Block, 500);
    return reply.isValid() && reply.value().variant().toBool();
}

void TTrayIcon::SetIcon(const QIcon& icon) {
    m_icon = icon;
    if (m_tray) m_tray->setIcon(icon);
}

void TTrayIcon::SetIconVisible(bool visible) {
    m_iconVisible = visible;
    Update();
}

void TTrayIcon::SetHint(const QString& hint) {
    m_hint = hint.left(MaxHintLength);
    if (m_tray) m_tray->setToolTip(ShownTip());
}

void TTrayIcon::SetShowHint(bool show) {
    m_showHint = show;
    if (m_tray) m_tray->setToolTip(ShownTip());
}

QString TTrayIcon::ShownTip() const {
    if (!m_showHint || m_hint.isEmpty()) return {};
    return m_hint.left(MaxShownHintLength);
}

void TTrayIcon::SetPopupMenu(QMenu* menu) {
    m_popupMenu = menu;
    if (m_tray) m_tray->setContextMenu(menu);
}

bool TTrayIcon::IconShown() const {
    return m_tray && m_tray->isVisible() && Available();
}

void TTrayIcon::Update() {
    const bool wanted = m_iconVisible || m_hiddenToTray;
    if (!m_tray) {
        if (!wanted || !Available()) return;
        MakeIcon();
    }
    m_tray->setVisible(wanted);
}

int TTrayIcon::DoubleClickTime() const {
    return m_doubleClickTime >= 0 ? m_doubleClickTime : QApplication::doubleClickInterval();
}

void TTrayIcon::SetClickTimer(std::unique_ptr<TPlainTimer> timer) {
    if (m_clickTimer) m_clickTimer->Stop();
    m_clickTimer = std::move(timer);
    m_clickTimer->OnTimer = [this] { ClickTimerExpired(); };
}

void TTrayIcon::LeftButtonDown() {
    if (!m_enabled) return;
    m_doubleClicked = false;
    if (OnDblClick) m_clickTimer->Start(DoubleClickTime());
    if (OnMouseDown) OnMouseDown(Qt::LeftButton);
    m_leftDown = true;
    if (m_leftPopup) OpenMenu();
}

void TTrayIcon::LeftButtonUp() {
    if (!m_enabled) return;
    if (m_leftDown) {
        m_leftDown = false;
        m_clickPending = true;
        if (!m_clickTimer->Active()) {
            m_clickPending = false;
            if (OnClick) OnClick();
        }
    }
    if (OnMouseUp) OnMouseUp(Qt::LeftButton);
}

void TTrayIcon::ClickTimerExpired() {
    m_clickTimer->Stop();
    if (!m_doubleClicked && m_clickPending) {
        m_clickPending = false;
        if (OnClick) OnClick();
    }
}

void TTrayIcon::LeftDoubleClick() {
    if (!m_enabled) return;
    m_clickPending = false;
    m_doubleClicked = true;
    if (OnDblClick) OnDblClick();
    if (m_popupMenu && !m_leftPopup) {
        if (QAction* item = m_popupMenu->defaultAction()) item->trigger();
    }
}

void TTrayIcon::RightButtonDown() {
    if (!m_enabled) return;
    if (OnMouseDown) OnMouseDown(Qt::RightButton);
    OpenMenu();
}

void TTrayIcon::RightButtonUp() {
    if (m_enabled && OnMouseUp) OnMouseUp(Qt::RightButton);
}

void TTrayIcon::MiddleButtonDown() {
    if (m_enabled && OnMouseDown) OnMouseDown(Qt::MiddleButton);
}

void TTrayIcon::MiddleButtonUp() {
    if (m_enabled && OnMouseUp) OnMouseUp(Qt::MiddleButton);
}

void TTrayIcon::HostActivation() {
    if (m_enabled && OnActivate) OnActivate();
}

void TTrayIcon::ReportShownOrHidden() {
    // After the event: a window that is being destroyed hides itself too,
    // and the icon goes with it before this could run.
    QTimer::singleShot(0, this, [this] {
        if (OnOwnerShownOrHidden) OnOwnerShownOrHidden();
    });
}

void TTrayIcon::OpenMenu() {
    if (!m_popupMenu) return;
    if (m_owner) m_owner->activateWindow();
    m_popupMenu->popup(QCursor::pos());
}

void TTrayIcon::MinimizeOwnerToTray() {
    if (!m_owner || !Available()) return;
    m_hiddenToTray = true;
    Update();
    m_owner->hide();
}

bool TTrayIcon::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_owner) {
        switch (event->type()) {
        case QEvent::WindowStateChange:
            // Hiding inside the state change would confuse the window system.
            if (m_minimizeToTray && m_owner->isMinimized() && Available())
                QTimer::singleShot(0, this, [this] {
                    if (m_owner && m_owner->isMinimized()) MinimizeOwnerToTray();
                });
            break;
        case QEvent::Hide:
            ReportShownOrHidden();
            break;
        case QEvent::Show:
            m_hiddenToTray = false;
            Update();
            ReportShownOrHidden();
            QTimer::singleShot(0, this, [this] {
                if (!m_owner || !m_owner->isVisible()) return;
                if (m_owner->isMinimized())
                    m_owner->setWindowState(m_owner->windowState() & ~Qt::WindowMinimized);
                m_owner->raise();
                m_owner->activateWindow();
            });
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quintavo::chrome
