// Labels that open an address when clicked: a mail link opens the user's mail
// program with a new message, a web link opens the browser. Both change colour
// while the mouse is over them.
#pragma once

#include <functional>

#include <QColor>
#include <QLabel>
#include <QUrl>

namespace quintavo::widgets {

class TLinkLabel : public QLabel {
    Q_OBJECT
public:
    // Opens a URL with the desktop; false when nothing could open it.
    using UrlOpener = std::function<bool(const QUrl&)>;

    explicit TLinkLabel(QWidget* parent = nullptr);

    // Look
    void SetNormalColor(const QColor& color);
    void SetHoverColor(const QColor& color);
    void SetUnderlineOnHover(bool underline);
    bool Hovered() const { return m_hovered; }

    // What a click opens
    virtual QUrl Url() const = 0;
    // Opens Url(); false when it is empty or could not be opened.
    bool Open();
    // Replaces QDesktopServices::openUrl, e.g. in tests.
    void SetUrlOpener(UrlOpener opener) { m_opener = std::move(opener); }

signals:
    void Clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetHovered(bool hovered);
    void ApplyLook();

    QColor m_normalColor;
    QColor m_hoverColor;
    bool m_underlineOnHover = true;
    bool m_hovered = false;
    bool m_pressed = false;
    UrlOpener m_opener;
};

// Opens a new mail to `Address()` with `Subject()`.
class TMailLabel : public TLinkLabel {
    Q_OBJECT
public:
    explicit TMailLabel(QWidget* parent = nullptr);

    QString Address() const { return m_address; }
    void SetAddress(const QString& address) { m_address = address; }
    QString Subject() const { return m_subject; }
    void SetSubject(const QString& subject) { m_subject = subject; }

    // mailto:address?subject=...; empty without an address.
    QUrl Url() const override;

private:
    QString m_address;
    QString m_subject;
};

// Opens `Url()` in the browser.
class TWebLabel : public TLinkLabel {
    Q_OBJECT
public:
    explicit TWebLabel(QWidget* parent = nullptr);

    void SetUrl(const QUrl& url) { m_url = url; }
    QUrl Url() const override { return m_url; }

private:
    QUrl m_url;
};

} // namespace quintavo::widgets
