#include "app/about_window.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

#include "assets/assets.h"
#include "lang/app_languages.h"
#include "tests/app/dialogs/dialog_test_support.h"
#include "widgets/link_label.h"
#include "widgets/scroll_label.h"

namespace {

using quintavo::app::TfrmAbout;
namespace L = quintavo::lang;
namespace T = quintavo::app::test;

class AboutTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { quintavo::InitAssets(); }
    L::LanguageState language;
};

TEST_F(AboutTest, LayoutNamesAndLanguage) {
    language.CurrentLanguageID = L::English;
    TfrmAbout about(language);
    EXPECT_TRUE(L::ControlNameProblems(L::Window::About, &about).isEmpty())
        << L::ControlNameProblems(L::Window::About, &about).join(u", ").toStdString();
    EXPECT_EQ(about.windowTitle(), QString::fromUtf8("Über..."));
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Quintavo..."));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("ThanxTolbl"))->text(),
              QStringLiteral("Special thanks to:"));
    EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("Label3"))->isVisible());
    EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("Label4"))->isVisible());
    EXPECT_EQ(about.Ticker()->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    // The English lines fit their places.
    EXPECT_EQ(about.size(), QSize(452, 217));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("Image1"))->geometry(),
              QRect(36, 32, 142, 31));
    EXPECT_EQ(about.findChild<QPushButton*>(QStringLiteral("SpeedButton1"))->geometry(),
              QRect(328, 180, 97, 22));
    EXPECT_EQ(about.Ticker()->geometry(), QRect(40, 160, 377, 13));
    T::SaveScreenshot(about, QStringLiteral("about_en"));
}

// Where Tahoma is missing, a wider font must neither wrap a line nor grow
// the window: each line stays whole on its one line in every language.
TEST_F(AboutTest, EveryLineFitsItsPlaceOnOneLine) {
    const char* names[] = {"de", "en", "fr", "it"};
    for (std::int32_t id = 0; id < L::LanguageCount; ++id) {
        SCOPED_TRACE(id);
        language.CurrentLanguageID = id;
        TfrmAbout about(language);
        about.show();
        EXPECT_EQ(about.size(), QSize(452, 217));
        for (const char* name : {"Label5", "Label7"}) {
            auto* line = about.findChild<QLabel*>(QString::fromLatin1(name));
            EXPECT_FALSE(line->wordWrap()) << name;
            EXPECT_EQ(line->geometry().size(), QSize(380, 17)) << name;
            const QFontMetrics metrics(line->font());
            EXPECT_LE(metrics.horizontalAdvance(line->text()), line->width()) << name;
            EXPECT_LE(metrics.height(), line->height()) << name;
        }
        EXPECT_EQ(about.ContactLink()->pos(), QPoint(40, 96));
        EXPECT_EQ(about.Ticker()->geometry(), QRect(40, 160, 377, 13));
        EXPECT_EQ(about.findChild<QPushButton*>(QStringLiteral("SpeedButton1"))->geometry(),
                  QRect(328, 180, 97, 22));
        T::SaveScreenshot(about, QStringLiteral("about_%1").arg(QString::fromLatin1(names[id])));
    }
}

TEST_F(AboutTest, EnterEscapeAndSpaceCloseItLikeOk) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space}) {
        SCOPED_TRACE(key);
        TfrmAbout about(language);
        auto* ok = about.findChild<QPushButton*>(QStringLiteral("SpeedButton1"));
        // Sent to the focused button first: the window sees the key before it.
        T::WhenModal([&](QWidget* modal) {
            QTest::keyClick(modal, Qt::Key_A);
            QTest::keyClick(modal, Qt::Key_Tab);
            EXPECT_TRUE(modal->isVisible()) << "other keys do nothing";
            QTest::keyClick(ok, key);
        });
        EXPECT_EQ(about.exec(), QDialog::Accepted);
    }
    TfrmAbout about(language);
    T::WhenModal(
        [&](QWidget*) { about.findChild<QPushButton*>(QStringLiteral("SpeedButton1"))->click(); });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
}

TEST_F(AboutTest, TickerStandsStillForThreeSecondsThenMovesEvery100Ms) {
    TfrmAbout about(language);
    about.show();
    EXPECT_TRUE(about.StartTimer()->isActive());
    EXPECT_EQ(about.StartTimer()->interval(), 3000);
    EXPECT_EQ(about.Ticker()->Interval(), 100);
    // Until the start timer fires the ticker does not scroll, so it cannot move.
    EXPECT_FALSE(about.Ticker()->Scrolling());
    EXPECT_EQ(about.Ticker()->Offset(), 0);

    about.Timer1Timer(); // three seconds later
    EXPECT_FALSE(about.StartTimer()->isActive());
    EXPECT_TRUE(about.Ticker()->Scrolling());
    QTRY_VERIFY_WITH_TIMEOUT(about.Ticker()->Offset() > 0, 2000);
}

TEST_F(AboutTest, TickerStartsAfterTheGivenDelay) {
    using namespace std::chrono_literals;
    QElapsedTimer clock;
    clock.start();
    TfrmAbout about(language, nullptr, TfrmAbout::Timing{300ms, 10ms});
    about.show();
    qint64 firstMove = -1;
    while (clock.elapsed() < 5000) {
        QTest::qWait(5);
        if (about.Ticker()->Offset() != 0) {
            firstMove = clock.elapsed();
            break;
        }
        EXPECT_FALSE(about.Ticker()->Scrolling() && clock.elapsed() < 300);
    }
    ASSERT_GE(firstMove, 0) << "the ticker never started";
    EXPECT_GE(firstMove, 300);
    EXPECT_FALSE(about.StartTimer()->isActive()) << "fires once";
}

TEST_F(AboutTest, LinksOpenMailAndBrowser) {
    TfrmAbout about(language);
    std::vector<QUrl> opened;
    auto record = [&](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    about.ContactLink()->SetUrlOpener(record);
    about.WebLink()->SetUrlOpener(record);
    about.show();

    QTest::mouseClick(about.ContactLink(), Qt::LeftButton);
    QTest::mouseClick(about.WebLink(), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(opened[0].path(), QString::fromLatin1(quintavo::app::ContactAddress));
    EXPECT_EQ(QUrlQuery(opened[0]).queryItemValue(QStringLiteral("subject")),
              QStringLiteral("Quintavo"));
    EXPECT_EQ(opened[1], QUrl(QString::fromLatin1(quintavo::app::WebAddress)));
    EXPECT_TRUE(about.isVisible()) << "the links leave the window open";
}

} // namespace
