#include "window_test_support.h"

#include <fstream>

#include <QApplication>
#include <QListWidget>
#include <QTest>

namespace quintavo::app::test {

IUserPrompts::Answer FakePrompts::Next(Answer whenNone) {
    if (Answers.empty()) return whenNone;
    const Answer answer = Answers.front();
    Answers.pop_front();
    return answer;
}

void FakePrompts::Opened() {
    if (WhileOpen) WhileOpen();
}

IUserPrompts::Answer FakePrompts::AskYesNoCancel(QWidget*, const QString& text) {
    Log << QStringLiteral("question: ") + text;
    Opened();
    return Next(Answer::Cancel);
}

IUserPrompts::Answer FakePrompts::AskYesNo(QWidget*, const QString& text) {
    Log << QStringLiteral("yes/no: ") + text;
    Opened();
    return Next(Answer::No);
}

void FakePrompts::ShowMessage(QWidget*, const QString& text) {
    Log << QStringLiteral("message: ") + text;
    Opened();
}

void FakePrompts::ShowInformation(QWidget*, const QString& text) {
    Log << QStringLiteral("information: ") + text;
    Opened();
}

QString FakePrompts::SaveGameFileName(QWidget*, const QString& proposedName) {
    Log << QStringLiteral("save: ") + proposedName;
    Opened();
    return SaveName;
}

QString FakePrompts::OpenGameFileName(QWidget*) {
    Log << QStringLiteral("open");
    Opened();
    return OpenName;
}

std::string WindowTest::SettingsFile() const {
    return Path("quintavo.ini");
}

std::string WindowTest::Path(const char* name) const {
    return Folder.filePath(QString::fromUtf8(name)).toStdString();
}

void WindowTest::WriteSettings(std::string_view ini) {
    std::ofstream(SettingsFile(), std::ios::binary) << ini;
}

void WindowTest::Open(int clockIntervalMs) {
    TfrmVessaro::Options options;
    options.SettingsPath = SettingsFile();
    options.ClockIntervalMs = clockIntervalMs;
    options.Prompts = Prompts;
    options.Search = Search;
    options.KeepPlacement = false;
    options.Terminate = [this] { Terminated = true; };
    Window = std::make_unique<TfrmVessaro>(std::move(options));
    Window->show();
    Window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
}

QLabel* WindowTest::Label(const char* name) const {
    return Window->findChild<QLabel*>(QString::fromLatin1(name));
}

QStringList WindowTest::MoveLines() const {
    QStringList lines;
    const auto* list = Window->findChild<QListWidget*>(QStringLiteral("ListBox1"));
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

void WindowTest::Move(const char* from, const char* to) {
    ASSERT_TRUE(Board().MakeMove(SquareFromName(from), SquareFromName(to))) << from << "-" << to;
}

void WindowTest::Key(Qt::Key key) {
    // Shortcuts reach the active window only; a closed dialog may leave none.
    if (!Window->isActiveWindow()) {
        Window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    }
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : Window.get();
    QTest::keyClick(target, key);
}

void WindowTest::ClickLabel(const char* name) {
    QLabel* label = Label(name);
    ASSERT_NE(label, nullptr) << name;
    QTest::mouseClick(label, Qt::LeftButton);
}

} // namespace quintavo::app::test
