#include "widgets/link_label.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <QUrlQuery>

namespace W = quintavo::widgets;

namespace {

void Hover(QWidget& widget, bool inside) {
    if (inside) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(&widget, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&widget, &leave);
    }
}

QColor TextColor(const QWidget& widget) {
    return widget.palette().color(QPalette::WindowText);
}

TEST(MailLabel, LeftClickOpensANewMailWithItsSubject) {
    W::TMailLabel label;
    label.setText(QStringLiteral("mail us"));
    label.resize(100, 13);
    label.SetAddress(QStringLiteral("contact@quintavo.example"));
    label.SetSubject(QStringLiteral("Quintavo & more"));
    std::vector<QUrl> opened;
    label.SetUrlOpener([&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });

    EXPECT_EQ(label.Url().scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(label.Url().path(), QStringLiteral("contact@quintavo.example"));
    EXPECT_EQ(QUrlQuery(label.Url()).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              QStringLiteral("Quintavo & more"));

    QTest::mouseClick(&label, Qt::RightButton);
    EXPECT_TRUE(opened.empty());
    QTest::mouseClick(&label, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], label.Url());
}

TEST(MailLabel, WithoutAnAddressOpensNothing) {
    W::TMailLabel label;
    bool called = false;
    label.SetUrlOpener([&](const QUrl&) { return called = true; });
    EXPECT_TRUE(label.Url().isEmpty());
    EXPECT_FALSE(label.Open());
    EXPECT_FALSE(called);
}

TEST(WebLabel, ClickOpensItsAddress) {
    W::TWebLabel label;
    label.resize(100, 13);
    label.SetUrl(QUrl(QStringLiteral("https://quintavo.example")));
    QUrl opened;
    label.SetUrlOpener([&](const QUrl& url) {
        opened = url;
        return true;
    });
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(opened, QUrl(QStringLiteral("https://quintavo.example")));
}

TEST(LinkLabel, HoverColoursAndUnderline) {
    W::TMailLabel label;
    label.SetNormalColor(Qt::blue);
    label.SetHoverColor(Qt::red);
    EXPECT_EQ(TextColor(label), QColor(Qt::blue));
    EXPECT_FALSE(label.font().underline());

    Hover(label, true);
    EXPECT_TRUE(label.Hovered());
    EXPECT_EQ(TextColor(label), QColor(Qt::red));
    EXPECT_TRUE(label.font().underline());

    Hover(label, false);
    EXPECT_EQ(TextColor(label), QColor(Qt::blue));
    EXPECT_FALSE(label.font().underline());

    label.SetUnderlineOnHover(false);
    Hover(label, true);
    EXPECT_FALSE(label.font().underline());
}

} // namespace
