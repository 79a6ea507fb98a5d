#include "app/window_placement.h"

#include <cmath>

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStringList>
#include <QWidget>

namespace quintavo::app {

namespace {

const QString FlagsName = QStringLiteral("Flags");
const QString ShowCmdName = QStringLiteral("ShowCmd");
const QString PixelsPerInchName = QStringLiteral("PixelsPerInch");
const QString MinMaxPosName = QStringLiteral("MinMaxPos");
const QString NormPosName = QStringLiteral("NormPos");
const QString FormVersionName = QStringLiteral("FormVersion");

QString FourNumbers(const std::array<int, 4>& v) {
    return QStringLiteral("%1,%2,%3,%4").arg(v[0]).arg(v[1]).arg(v[2]).arg(v[3]);
}

std::optional<std::array<int, 4>> ParseFour(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) return std::nullopt;
    std::array<int, 4> values{};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[static_cast<std::size_t>(i)] = parts[i].trimmed().toInt(&ok);
        if (!ok) return std::nullopt;
    }
    return values;
}

std::optional<int> ReadInt(const QSettings& store, const QString& name) {
    if (!store.contains(name)) return std::nullopt;
    bool ok = false;
    const int value = store.value(name).toString().trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<std::array<int, 4>> ReadPosition(const QSettings& store, const QString& name,
                                               QSize screen) {
    const QString variant = ScreenVariantName(name, screen);
    const QString stored = store.contains(variant) ? variant : name;
    if (!store.contains(stored)) return std::nullopt;
    return ParseFour(store.value(stored).toString());
}

QScreen* ScreenOf(const QWidget& window) {
    QScreen* screen = window.screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

int PixelsPerInchOf(const QScreen* screen) {
    return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInch())) : 96;
}

QSize ScreenSizeOf(const QScreen* screen) {
    return screen ? screen->size() : QSize();
}

} // namespace

QString ScreenVariantName(const QString& name, QSize screen) {
    return QStringLiteral("%1(%2x%3)").arg(name).arg(screen.width()).arg(screen.height());
}

bool WindowSystemPlacesWindows() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void WritePlacement(QSettings& store, const WindowPlacement& p, QSize screen, bool withPositions) {
    store.setValue(FlagsName, QString::number(p.Flags));
    store.setValue(ShowCmdName, QString::number(p.ShowCmd));
    store.setValue(PixelsPerInchName, QString::number(p.PixelsPerInch));
    if (withPositions) {
        store.setValue(MinMaxPosName, FourNumbers(p.MinMaxPos));
        store.setValue(ScreenVariantName(MinMaxPosName, screen), FourNumbers(p.MinMaxPos));
        store.setValue(NormPosName, FourNumbers(p.NormPos));
        store.setValue(ScreenVariantName(NormPosName, screen), FourNumbers(p.NormPos));
    }
    store.setValue(FormVersionName, QString::number(p.FormVersion));
}

std::optional<WindowPlacement> ReadPlacement(const QSettings& store, QSize screen,
                                             int pixelsPerInch, bool withPositions) {
    WindowPlacement p;
    p.FormVersion = ReadInt(store, FormVersionName).value_or(0);
    if (p.FormVersion < 0) return std::nullopt;
    const std::optional<int> ppi = ReadInt(store, PixelsPerInchName);
    if (!ppi || *ppi != pixelsPerInch) return std::nullopt;
    p.PixelsPerInch = *ppi;
    if (withPositions) {
        const auto minMax = ReadPosition(store, MinMaxPosName, screen);
        const auto norm = ReadPosition(store, NormPosName, screen);
        if (!minMax || !norm) return std::nullopt;
        p.MinMaxPos = *minMax;
        p.NormPos = *norm;
    }
    p.Flags = ReadInt(store, FlagsName).value_or(0);
    p.ShowCmd = ReadInt(store, ShowCmdName).value_or(1);
    return p;
}

WindowPlacement CapturePlacement(const QWidget& window) {
    WindowPlacement p;
    const QScreen* screen = ScreenOf(window);
    p.PixelsPerInch = PixelsPerInchOf(screen);
    if (window.isMinimized())
        p.ShowCmd = 2;
    else if (window.isMaximized())
        p.ShowCmd = 3;
    else
        p.ShowCmd = 1;
    const QRect normal = window.isMaximized() || window.isMinimized() ? window.normalGeometry()
                                                                      : window.frameGeometry();
    p.NormPos = {normal.left(), normal.top(), normal.left() + normal.width(),
                 normal.top() + normal.height()};
    return p;
}

void ApplyPlacement(QWidget& window, const WindowPlacement& p, bool withPosition) {
    if (withPosition && (p.NormPos[0] != 0 || p.NormPos[1] != 0))
        window.move(p.NormPos[0], p.NormPos[1]);
    switch (p.ShowCmd) {
    case 2:
    case 6:
    case 7:
        window.setWindowState((window.windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
        break;
    case 3:
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        break;
    case 1:
    case 5:
    case 9:
        window.setWindowState(window.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        break;
    default:
        break;
    }
}

void TPlacementStore::RestorePlacement(QWidget& window) const {
    QSettings store(QString::fromLatin1(PlacementOrganisation),
                    QString::fromLatin1(PlacementApplication));
    store.beginGroup(QString::fromLatin1(PlacementGroup));
    const QScreen* screen = ScreenOf(window);
    const auto placement =
        ReadPlacement(store, ScreenSizeOf(screen), PixelsPerInchOf(screen), m_withPositions);
    if (!placement) return;
    if (!m_withPositions) {
        ApplyPlacement(window, *placement, false);
        return;
    }
    const QRect stored(QPoint(placement->NormPos[0], placement->NormPos[1]), window.size());
    bool onScreen = false;
    for (const QScreen* s : QGuiApplication::screens())
        onScreen = onScreen || s->availableGeometry().intersects(stored);
    if (!onScreen) return;
    ApplyPlacement(window, *placement);
}

void TPlacementStore::SavePlacement(const QWidget& window) const {
    QSettings store(QString::fromLatin1(PlacementOrganisation),
                    QString::fromLatin1(PlacementApplication));
    store.beginGroup(QString::fromLatin1(PlacementGroup));
    WritePlacement(store, CapturePlacement(window), ScreenSizeOf(ScreenOf(window)),
                   m_withPositions);
    store.endGroup();
    store.sync();
}

} // namespace quintavo::app
