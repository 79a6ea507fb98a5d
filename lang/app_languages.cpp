#include "lang/app_languages.h"

#include <array>
#include <deque>
#include <utility>

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMetaProperty>
#include <QTabWidget>
#include <QWidget>

namespace quintavo::lang {

// The tables hold their accents as UTF-8 bytes and are read with fromUtf8.
static_assert(std::string_view("ß").size() == 2,
              "source and execution character set must be UTF-8");

namespace {

using SharedVariable = std::pair<std::string_view, QString LanguageState::*>;

constexpr std::array<SharedVariable, SharedTextNames.size()> SharedVariables = {{
    {"sMenuAbout", &LanguageState::sMenuAbout},
    {"sMenuOptions", &LanguageState::sMenuOptions},
    {"sMenuClose", &LanguageState::sMenuClose},
    {"sShow", &LanguageState::sShow},
    {"sHide", &LanguageState::sHide},
    {"sInvalidFile", &LanguageState::sInvalidFile},
    {"sGamePrefix", &LanguageState::sGamePrefix},
    {"sNewFileName", &LanguageState::sNewFileName},
    {"sAskSave", &LanguageState::sAskSave},
    {"sCancelGame", &LanguageState::sCancelGame},
    {"sStart", &LanguageState::sStart},
    {"sStop", &LanguageState::sStop},
    {"sMate", &LanguageState::sMate},
    {"sCheck", &LanguageState::sCheck},
    {"sDraw", &LanguageState::sDraw},
    {"sCastling", &LanguageState::sCastling},
    {"sTimeOver", &LanguageState::sTimeOver},
    {"sStaleMate", &LanguageState::sStaleMate},
    {"sThreefold", &LanguageState::sThreefold},
    {"sInternalError", &LanguageState::sInternalError},
    {"sLoadError", &LanguageState::sLoadError},
    {"sSearchDepth", &LanguageState::sSearchDepth},
}};

constexpr bool VariablesMatchNames() {
    for (std::size_t i = 0; i < SharedTextNames.size(); ++i)
        if (SharedVariables[i].first != SharedTextNames[i]) return false;
    return true;
}
static_assert(VariablesMatchNames());

// Dialogs and other top-level windows parented to a window hold controls of
// their own, often with the same names; popup menus belong to the window.
bool IsOwnWindow(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && widget->isWindow() && widget->windowType() != Qt::Popup;
}

// Breadth first, so that the control nearest the window comes first.
template <typename Visit> void ForEachControl(QWidget* window, Visit visit) {
    std::deque<QObject*> pending(window->children().begin(), window->children().end());
    while (!pending.empty()) {
        QObject* object = pending.front();
        pending.pop_front();
        if (IsOwnWindow(object)) continue;
        if (!visit(object)) return;
        const QObjectList& children = object->children();
        pending.insert(pending.end(), children.begin(), children.end());
    }
}

QTabWidget* TabWidgetOfPage(QWidget* page) {
    for (QWidget* ancestor = page->parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(ancestor))
            return tabs->indexOf(page) >= 0 ? tabs : nullptr;
        if (ancestor->isWindow()) break;
    }
    return nullptr;
}

bool SetTextProperty(QObject* object, const char* property, const QString& text) {
    const QMetaObject* meta = object->metaObject();
    const int index = meta->indexOfProperty(property);
    return index >= 0 && meta->property(index).isWritable() && object->setProperty(property, text);
}

void Apply(std::span<const TextEntry> table, LanguageState& state, std::int32_t language,
           QWidget* window) {
    if (!IsLanguage(language)) return;
    for (const TextEntry& entry : table) {
        const QString text = QString::fromUtf8(entry.text[static_cast<std::size_t>(language)]);
        switch (entry.kind) {
        case EntryKind::SharedText:
            if (QString* shared = SharedText(state, entry.name)) *shared = text;
            break;
        case EntryKind::Control:
            if (window) {
                if (QObject* control = FindControl(window, entry.name))
                    SetControlText(control, text);
            }
            break;
        case EntryKind::WindowCaption:
            if (window) window->setWindowTitle(text);
            break;
        }
    }
}

} // namespace

QString* SharedText(LanguageState& state, std::string_view name) {
    for (const auto& [variableName, variable] : SharedVariables)
        if (variableName == name) return &(state.*variable);
    return nullptr;
}

const QString* SharedText(const LanguageState& state, std::string_view name) {
    return SharedText(const_cast<LanguageState&>(state), name);
}

void SetLanguageMain(LanguageState& state, std::int32_t language, QWidget* window) {
    Apply(tables::MainWindow, state, language, window);
}

void SetLanguageOptions(LanguageState& state, std::int32_t language, QWidget* window) {
    Apply(tables::OptionsDialog, state, language, window);
}

void SetLanguageAbout(LanguageState& state, std::int32_t language, QWidget* window) {
    Apply(tables::AboutWindow, state, language, window);
}

void SetTrayMenuCaptions(const LanguageState& state, QObject* menuOwner) {
    if (!menuOwner) return;
    const std::array<std::pair<const char*, const QString*>, 3> items = {{
        {"ber1", &state.sMenuAbout},
        {"Optionen1", &state.sMenuOptions},
        {"Close1", &state.sMenuClose},
    }};
    for (const auto& [name, text] : items)
        if (auto* action = menuOwner->findChild<QAction*>(QString::fromLatin1(name)))
            action->setText(*text);
}

bool SetControlText(QObject* control, const QString& text) {
    if (!control) return false;
    if (auto* widget = qobject_cast<QWidget*>(control)) {
        if (QTabWidget* tabs = TabWidgetOfPage(widget)) {
            tabs->setTabText(tabs->indexOf(widget), text);
            return true;
        }
    }
    if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* action = qobject_cast<QAction*>(control)) {
        action->setText(text);
    } else if (auto* menu = qobject_cast<QMenu*>(control)) {
        menu->setTitle(text);
    } else {
        return SetTextProperty(control, "text", text) || SetTextProperty(control, "title", text);
    }
    return true;
}

QObject* FindControl(QWidget* window, std::string_view name) {
    if (!window) return nullptr;
    const QString objectName = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    QObject* found = nullptr;
    ForEachControl(window, [&](QObject* object) {
        if (object->objectName() == objectName) found = object;
        return found == nullptr;
    });
    return found;
}

QStringList ControlNameProblems(Window table, QWidget* window) {
    QStringList problems;
    for (const TextEntry& entry : Table(table)) {
        if (entry.kind != EntryKind::Control) continue;
        const QString name = QString::fromUtf8(entry.name);
        int count = 0;
        if (window) {
            ForEachControl(window, [&](QObject* object) {
                if (object->objectName() == name) ++count;
                return true;
            });
        }
        if (count == 0)
            problems << name + QStringLiteral(": missing");
        else if (count > 1)
            problems << name + QStringLiteral(": %1 controls").arg(count);
    }
    return problems;
}

} // namespace quintavo::lang
