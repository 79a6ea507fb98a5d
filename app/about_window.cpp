#include "app/about_window.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "assets/assets.h"
#include "lang/app_languages.h"
#include "widgets/fonts.h"
#include "widgets/link_label.h"
#include "widgets/picture_label.h"
#include "widgets/scroll_label.h"

namespace quintavo::app {

namespace {

// The German design-time text of a control in the About window's table.
QString DesignText(const char* name) {
    const lang::TextEntry* entry = lang::FindEntry(lang::Window::About, name);
    return entry ? QString::fromUtf8(entry->text[lang::German]) : QString();
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

} // namespace

TfrmAbout::TfrmAbout(const lang::LanguageState& language, QWidget* parent, Timing timing)
    : QDialog(parent), m_languageState(language) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8("Über..."));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(widgets::DefaultWindowFont());

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setGeometry(0, 0, ClientWidth, ClientHeight);
    frame->setFrameShape(QFrame::Box);
    m_frame = frame;

    auto* logo = new widgets::TPictureLabel(
        [](qreal ratio) {
            return LoadPictureForRatio(QString::fromLatin1(AboutLogoPath),
                                       QString::fromLatin1(AboutLogo2xPath), ratio);
        },
        this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry(36, 32, 142, 31);

    QLabel* version = MakeLabel(this, "Label1", QString::fromLatin1(VersionText));
    version->move(180, 46);
    m_version = version;

    QLabel* productLine = MakeLabel(this, "Label3", DesignText("Label3"));
    productLine->hide();
    QLabel* advertisingLine = MakeLabel(this, "Label4", DesignText("Label4"));
    advertisingLine->setWordWrap(true);
    advertisingLine->hide();
    auto* advertisingLink = new widgets::TMailLabel(this);
    advertisingLink->setObjectName(QStringLiteral("MailLabel1"));
    advertisingLink->SetAddress(QString::fromLatin1(ContactAddress));
    advertisingLink->SetSubject(QStringLiteral("Advertising"));
    advertisingLink->setText(advertisingLink->Address());
    advertisingLink->hide();

    QLabel* questions = MakeLabel(this, "Label5", DesignText("Label5"));
    questions->setGeometry(40, 80, 380, 17);
    m_questions = questions;

    m_contactLink = new widgets::TMailLabel(this);
    m_contactLink->setObjectName(QStringLiteral("MailLabel2"));
    m_contactLink->SetAddress(QString::fromLatin1(ContactAddress));
    m_contactLink->SetSubject(QStringLiteral("Quintavo"));
    m_contactLink->setText(m_contactLink->Address());
    m_contactLink->SetNormalColor(Qt::blue);
    m_contactLink->SetHoverColor(Qt::red);
    m_contactLink->move(40, 96);

    m_webLink = new widgets::TWebLabel(this);
    m_webLink->setObjectName(QStringLiteral("WebLabel1"));
    m_webLink->SetUrl(QUrl(QString::fromLatin1(WebAddress)));
    m_webLink->setText(QString::fromLatin1(WebAddress));
    m_webLink->SetHoverColor(Qt::blue);
    m_webLink->move(240, 48);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("SpeedButton1"));
    ok->setFlat(true);
    ok->setAutoDefault(false);
    ok->setFont(widgets::PixelFont(QStringLiteral("Tahoma"), 13, true));
    ok->setGeometry(328, 180, 97, 22);
    connect(ok, &QPushButton::clicked, this, &TfrmAbout::SpeedButton1Click);
    m_ok = ok;

    QLabel* address = MakeLabel(this, "Label7", DesignText("Label7"));
    address->setGeometry(40, 120, 380, 17);
    m_address = address;

    QLabel* thanksCaption = MakeLabel(this, "ThanxTolbl", DesignText("ThanxTolbl"));
    thanksCaption->move(40, 144);
    m_thanksCaption = thanksCaption;

    m_ticker = new widgets::TScrollLabel(this);
    m_ticker->setObjectName(QStringLiteral("ScrollLabel1"));
    m_ticker->setText(DesignText("ScrollLabel1"));
    m_ticker->setGeometry(40, 160, 377, 13);
    m_ticker->SetInterval(static_cast<int>(timing.TickerStep.count()));
    SetTextColor(m_ticker, QColor(0x00, 0x00, 0x80));

    // Runs from creation, so the ticker starts that long after the window opens.
    m_startTimer = new QTimer(this);
    m_startTimer->setObjectName(QStringLiteral("Timer1"));
    m_startTimer->setTimerType(Qt::PreciseTimer);
    m_startTimer->setInterval(static_cast<int>(timing.TickerDelay.count()));
    connect(m_startTimer, &QTimer::timeout, this, &TfrmAbout::Timer1Timer);
    m_startTimer->start();

    // The window sees every key before the focused control.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    ArrangeForText();
}

void TfrmAbout::SpeedButton1Click() {
    accept();
}

void TfrmAbout::Timer1Timer() {
    m_ticker->SetScrolling(true);
    m_startTimer->stop();
}

void TfrmAbout::showEvent(QShowEvent* event) {
    lang::SetLanguageAbout(m_languageState, m_languageState.CurrentLanguageID, this);
    ArrangeForText();
    if (!m_placed) {
        m_placed = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TfrmAbout::keyPressEvent(QKeyEvent* event) {
    if (!HandleKey(event->key())) event->ignore();
}

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TfrmAbout::ArrangeForText() {
    for (QWidget* autoSized : {m_version, m_thanksCaption, static_cast<QWidget*>(m_contactLink),
                               static_cast<QWidget*>(m_webLink)})
        autoSized->adjustSize();
    // Each line stays one line of its place: a font wider than the window's
    // own gets a smaller size for that line instead of a second line.
    for (QLabel* line : {m_questions, m_address})
        line->setFont(widgets::FontFittingWidth(font(), line->text(), line->width(), 0));
}

bool TfrmAbout::HandleKey(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Space:
        SpeedButton1Click();
        return true;
    default:
        return false;
    }
}

} // namespace quintavo::app
