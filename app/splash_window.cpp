#include "app/splash_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QThread>

#include "assets/assets.h"
#include "widgets/fonts.h"
#include "widgets/picture_label.h"

namespace quintavo::app {

namespace {

const QString LoadingText = QStringLiteral("Loading Quintavo...");

QLabel* MakeTitle(QWidget* parent, const QString& name, QRect geometry, const QColor& color) {
    auto* label = new QLabel(LoadingText, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(widgets::PixelFont(QStringLiteral("Tahoma"), 13, true));
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

} // namespace

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Quintavo"));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(widgets::DefaultWindowFont());

    // Back to front: frame, picture, title shadow, bar, title.
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setGeometry(0, 0, ClientWidth, ClientHeight);
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(1);

    auto* picture = new widgets::TPictureLabel(
        [](qreal ratio) {
            return LoadPictureForRatio(QString::fromLatin1(SplashPath),
                                       QString::fromLatin1(Splash2xPath), ratio);
        },
        this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(1, 1, 316, 90);

    MakeTitle(this, QStringLiteral("Label2"), QRect(5, 16, 308, 21), Qt::white);

    m_gauge = new QProgressBar(this);
    m_gauge->setObjectName(QStringLiteral("Gauge1"));
    m_gauge->setGeometry(12, 72, 292, 9);
    m_gauge->setRange(0, 100);
    m_gauge->setValue(0);
    m_gauge->setTextVisible(false);
    m_gauge->setStyleSheet(
        QStringLiteral("QProgressBar { border: 1px solid black; background: white; }"
                       "QProgressBar::chunk { background: grey; }"));

    MakeTitle(this, QStringLiteral("Label1"), QRect(6, 17, 308, 21),
              palette().color(QPalette::WindowText));
}

void TfrmSplash::ShowSplash() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    // The platform may activate the window later or not at all; the bar runs
    // now either way, and a later activation finds it done.
    FormActivate();
    repaint();
}

int TfrmSplash::Progress() const {
    return m_gauge->value();
}

void TfrmSplash::FormActivate() {
    // The messages handled between the steps may activate the window again.
    if (m_splashDone || m_running) return;
    m_running = true;
    for (int step = 1; step <= 100; ++step) {
        m_gauge->setValue(step);
        QThread::msleep(static_cast<unsigned long>(m_stepPause.count()));
        QCoreApplication::processEvents();
    }
    m_running = false;
    m_splashDone = true;
}

bool TfrmSplash::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return QWidget::event(event);
}

void TfrmSplash::closeEvent(QCloseEvent* event) {
    if (m_splashDone)
        event->accept();
    else
        event->ignore();
}

} // namespace quintavo::app
