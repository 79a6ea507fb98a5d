#include "lang/app_languages.h"

#include <climits>
#include <memory>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace L = quintavo::lang;
using L::Window;

namespace {

// Stands in for a widget-library control that is neither a label nor a button.
class TextWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    using QWidget::QWidget;
    QString text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }

private:
    QString m_text;
};

QString Name(const char* name) {
    return QString::fromUtf8(name);
}

// A control of the kind its name suggests, as the real windows will build them.
QWidget* MakeControl(const QString& name, QWidget* parent) {
    QWidget* control = nullptr;
    if (name.startsWith(QLatin1String("GroupBox")) || name.startsWith(QLatin1String("RadioGroup")))
        control = new QGroupBox(QStringLiteral("design"), parent);
    else if (name.startsWith(QLatin1String("CheckBox")))
        control = new QCheckBox(QStringLiteral("design"), parent);
    else if (name.startsWith(QLatin1String("Button")))
        control = new QPushButton(QStringLiteral("design"), parent);
    else if (name.startsWith(QLatin1String("ScrollLabel")))
        control = new TextWidget(parent);
    else
        control = new QLabel(QStringLiteral("design"), parent);
    control->setObjectName(name);
    return control;
}

// A window holding every control its table names; tab pages go into a
// QTabWidget, all other controls sit inside the first page.
std::unique_ptr<QWidget> MakeWindow(Window window) {
    auto root = std::make_unique<QDialog>();
    root->setWindowTitle(QStringLiteral("design"));
    auto* tabs = new QTabWidget(root.get());
    QWidget* firstPage = nullptr;
    for (const L::TextEntry& entry : L::Table(window)) {
        if (entry.kind != L::EntryKind::Control) continue;
        const QString name = Name(entry.name);
        if (name.startsWith(QLatin1String("TabSheet"))) {
            auto* page = new QWidget;
            page->setObjectName(name);
            tabs->addTab(page, QStringLiteral("design"));
            if (!firstPage) firstPage = page;
        }
    }
    QWidget* holder = firstPage ? firstPage : root.get();
    auto* layout = new QVBoxLayout(holder);
    for (const L::TextEntry& entry : L::Table(window)) {
        const QString name = Name(entry.name);
        if (entry.kind == L::EntryKind::Control && !name.startsWith(QLatin1String("TabSheet")))
            layout->addWidget(MakeControl(name, holder));
    }
    return root;
}

QString TextOf(QWidget* window, const char* name) {
    QObject* control = L::FindControl(window, name);
    if (!control) return QStringLiteral("<missing>");
    auto* widget = qobject_cast<QWidget*>(control);
    for (QWidget* up = widget ? widget->parentWidget() : nullptr; up; up = up->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(up)) {
            if (tabs->indexOf(widget) >= 0) return tabs->tabText(tabs->indexOf(widget));
            break;
        }
    }
    if (auto* group = qobject_cast<QGroupBox*>(control)) return group->title();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    return control->property("text").toString();
}

// The language state the table tests switch.
L::LanguageState Texts;

QString Shared(const char* name) {
    const QString* text = L::SharedText(Texts, name);
    return text ? *text : QStringLiteral("<unknown>");
}

// Every visible text of the window and all 22 shared strings.
QStringList Snapshot(Window table, QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (const L::TextEntry& entry : L::Table(table))
        if (entry.kind == L::EntryKind::Control) texts << TextOf(window, entry.name);
    for (std::string_view name : L::SharedTextNames)
        texts << Shared(std::string(name).c_str());
    return texts;
}

void SetLanguage(Window window, std::int32_t language, QWidget* target) {
    switch (window) {
    case Window::Main:
        L::SetLanguageMain(Texts, language, target);
        break;
    case Window::Options:
        L::SetLanguageOptions(Texts, language, target);
        break;
    case Window::About:
        L::SetLanguageAbout(Texts, language, target);
        break;
    }
}

constexpr Window AllWindows[] = {Window::Main, Window::Options, Window::About};

TEST(LanguageTables, SpotChecksPerLanguage) {
    struct Case {
        Window window;
        std::int32_t language;
        const char* name; // "Caption" is the window title, sXxx a shared string
        const char* expected;
    };
    const Case cases[] = {
        {Window::Main, L::German, "Label6", "Weiß"},
        {Window::Main, L::German, "sMenuAbout", "Über..."},
        {Window::Main, L::German, "sCancelGame",
         "Sie befinden sich in einem Spiel. Wenn Sie Änderungen vornehmen, brechen Sie das "
         "aktuelle Spiel ab.\r\nMöchten Sie das aktuelle Spiel abbrechen?"},
        {Window::Options, L::German, "CheckBox11", "Seite weißer König"},
        {Window::About, L::German, "Caption", "Über Quintavo..."},
        {Window::Main, L::English, "sMenuClose", "Close Application"},
        {Window::Main, L::English, "sStaleMate", "You cannot avoid a check mate."},
        {Window::Main, L::English, "Label8", "Time Limit [sec]:"},
        {Window::Options, L::English, "Caption", "Options"},
        {Window::About, L::English, "ThanxTolbl", "Special thanks to:"},
        {Window::Main, L::French, "Label2", "Début"},
        {Window::Main, L::French, "sStart", "Commencer"},
        {Window::Main, L::French, "sStop", "Arrêter"},
        {Window::Main, L::French, "sTimeOver", "C'est fini"},
        {Window::Options, L::French, "TabSheet1", "Général"},
        {Window::Options, L::French, "GroupBox11", "échiquier"},
        {Window::Options, L::French, "sSearchDepth", "Level de chercher = "},
        {Window::Main, L::Italian, "sStop", "Stop"},
        {Window::Main, L::Italian, "sCancelGame", "Partita interrompere?"},
        {Window::Options, L::Italian, "CheckBox19", "Demande"},
        {Window::Options, L::Italian, "Label5", "Valido solo dopo l`inizio nuovo"},
        {Window::About, L::Italian, "Caption", "Quintavo Informazioni..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " in language " + std::to_string(c.language));
        auto window = MakeWindow(c.window);
        SetLanguage(c.window, c.language, window.get());
        const std::string name = c.name;
        const QString actual = name == "Caption"              ? window->windowTitle()
                               : L::SharedText(Texts, c.name) ? Shared(c.name)
                                                              : TextOf(window.get(), c.name);
        EXPECT_EQ(actual.toStdString(), c.expected);
    }
}

TEST(LanguageTables, TextsAreWellFormed) {
    for (Window window : AllWindows) {
        for (const L::TextEntry& entry : L::Table(window)) {
            for (const char* text : entry.text) {
                SCOPED_TRACE(entry.name);
                ASSERT_NE(text, nullptr);
                const QString decoded = QString::fromUtf8(text);
                EXPECT_FALSE(decoded.isEmpty());
                EXPECT_FALSE(decoded.contains(QChar::ReplacementCharacter));
                // A line break is always CR LF, never a lone CR or LF.
                EXPECT_EQ(decoded.count(QLatin1Char('\r')), decoded.count(QStringLiteral("\r\n")));
                EXPECT_EQ(decoded.count(QLatin1Char('\n')), decoded.count(QStringLiteral("\r\n")));
            }
        }
    }
    for (std::int32_t language = 0; language < L::LanguageCount; ++language) {
        const auto at = [&](Window w, const char* name) {
            return std::string(L::FindEntry(w, name)->text[static_cast<std::size_t>(language)]);
        };
        SCOPED_TRACE(language);
        EXPECT_TRUE(at(Window::Main, "sNewFileName").ends_with(".vsr"));
        EXPECT_TRUE(at(Window::Main, "sGamePrefix").ends_with(' '));
        EXPECT_TRUE(at(Window::Options, "sSearchDepth").ends_with(' '));
        EXPECT_EQ(at(Window::Main, "sCancelGame").find("\r\n") != std::string::npos,
                  language != L::Italian);
    }
}

TEST(SwitchLanguage, WritesEveryEntryOfEachTable) {
    for (Window table : AllWindows) {
        for (std::int32_t language = 0; language < L::LanguageCount; ++language) {
            SCOPED_TRACE(static_cast<int>(table) * 10 + language);
            auto window = MakeWindow(table);
            ASSERT_TRUE(L::ControlNameProblems(table, window.get()).isEmpty());
            SetLanguage(table, language, window.get());
            for (const L::TextEntry& entry : L::Table(table)) {
                const QString expected =
                    QString::fromUtf8(entry.text[static_cast<std::size_t>(language)]);
                switch (entry.kind) {
                case L::EntryKind::SharedText:
                    EXPECT_EQ(Shared(entry.name), expected) << entry.name;
                    break;
                case L::EntryKind::Control:
                    EXPECT_EQ(TextOf(window.get(), entry.name), expected) << entry.name;
                    break;
                case L::EntryKind::WindowCaption:
                    EXPECT_EQ(window->windowTitle(), expected);
                    break;
                }
            }
        }
    }
}

TEST(SwitchLanguage, NumbersOutsideZeroToThreeChangeNothing) {
    const std::int32_t badNumbers[] = {-1, 4, 5, 100, INT_MIN, INT_MAX};
    for (Window table : AllWindows) {
        // Once after English and once on a window that still shows its design captions.
        for (bool applyFirst : {true, false}) {
            auto window = MakeWindow(table);
            if (applyFirst) SetLanguage(table, L::English, window.get());
            const QStringList before = Snapshot(table, window.get());
            for (std::int32_t bad : badNumbers) {
                SCOPED_TRACE(bad);
                for (Window other : AllWindows)
                    SetLanguage(other, bad, window.get());
                EXPECT_EQ(Snapshot(table, window.get()), before);
            }
        }
    }
}

TEST(SwitchLanguage, WithoutAWindowOnlyTheSharedStringsChange) {
    L::LanguageState state;
    L::SetLanguageMain(state, L::Italian, nullptr);
    L::SetLanguageOptions(state, L::English, nullptr);
    EXPECT_EQ(state.sGamePrefix, QStringLiteral("Partita: "));
    EXPECT_EQ(state.sSearchDepth, QStringLiteral("Search-Depth = "));
    EXPECT_EQ(L::SharedText(state, "sNoSuchText"), nullptr);
    EXPECT_EQ(state.CurrentLanguageID, L::German) << "the owner sets its language";
}

TEST(SwitchLanguage, EachStateKeepsItsOwnTexts) {
    L::LanguageState window;
    L::SetLanguageMain(window, L::French, nullptr);
    L::LanguageState preview = window;
    L::SetLanguageOptions(preview, L::Italian, nullptr);
    L::SetLanguageMain(preview, L::English, nullptr);
    EXPECT_EQ(window.sStart, QStringLiteral("Commencer"));
    EXPECT_TRUE(window.sSearchDepth.isEmpty());
    EXPECT_EQ(preview.sStart, QStringLiteral("Start"));
    EXPECT_EQ(*L::SharedText(preview, "sStart"), QStringLiteral("Start"));
    EXPECT_EQ(*L::SharedText(std::as_const(window), "sStart"), QStringLiteral("Commencer"));
}

TEST(SwitchLanguage, LookupStaysOutOfDialogsTheWindowOwns) {
    // The game window's Label1 lies deeper than the options dialog's Label1,
    // which the dialog, still parented to the game window, holds while the
    // game window re-applies its language after OK.
    QWidget mainWindow;
    auto* dialog = new QDialog(&mainWindow);
    auto* dialogLabel = MakeControl(QStringLiteral("Label1"), dialog);
    auto* bar = new QWidget(&mainWindow);
    auto* commandLabel = MakeControl(QStringLiteral("Label1"), new QWidget(bar));

    L::LanguageState state;
    L::SetLanguageMain(state, L::English, &mainWindow);
    L::SetLanguageOptions(state, L::Italian, dialog);

    EXPECT_EQ(static_cast<QLabel*>(commandLabel)->text(), QStringLiteral("Options"));
    EXPECT_EQ(static_cast<QLabel*>(dialogLabel)->text(), QStringLiteral("Seria di pedine"));
    EXPECT_EQ(L::FindControl(&mainWindow, "Label1"), commandLabel);
}

TEST(SwitchLanguage, TrayMenuTakesTheMenuTexts) {
    QWidget mainWindow;
    auto* menu = new QMenu(&mainWindow);
    const char* names[] = {"Hide1", "Optionen1", "ber1", "N1", "Close1"};
    for (const char* name : names)
        menu->addAction(QStringLiteral("design"))->setObjectName(Name(name));

    L::LanguageState state;
    L::SetLanguageMain(state, L::French, &mainWindow);
    L::SetTrayMenuCaptions(state, &mainWindow);

    const auto text = [&](const char* name) {
        return menu->findChild<QAction*>(Name(name))->text();
    };
    EXPECT_EQ(text("ber1"), QStringLiteral("A propos..."));
    EXPECT_EQ(text("Optionen1"), QStringLiteral("Options"));
    EXPECT_EQ(text("Close1"), QStringLiteral("Fermer"));
    EXPECT_EQ(text("Hide1"), QStringLiteral("design")); // set when the menu opens
    // Menu items are reachable like any control, popups being part of the window.
    EXPECT_TRUE(L::SetControlText(L::FindControl(&mainWindow, "Hide1"), state.sShow));
    EXPECT_EQ(text("Hide1"), QStringLiteral("Montrer"));
}

TEST(SwitchLanguage, ControlNameProblemsNameMissingAndDoubledControls) {
    auto window = MakeWindow(Window::Options);
    delete L::FindControl(window.get(), "CheckBox5");
    MakeControl(QStringLiteral("Label2"), window.get());
    EXPECT_EQ(
        L::ControlNameProblems(Window::Options, window.get()),
        QStringList({QStringLiteral("CheckBox5: missing"), QStringLiteral("Label2: 2 controls")}));
    EXPECT_EQ(L::ControlNameProblems(Window::About, nullptr).size(), 6);
    EXPECT_FALSE(L::SetControlText(new QObject(window.get()), QStringLiteral("x")));
}

} // namespace

int main(int argc, char** argv) {
    // Test discovery at build time runs this without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "app_languages_test.moc"
