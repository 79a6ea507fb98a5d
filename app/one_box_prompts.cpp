#include "app/one_box_prompts.h"

#include <utility>

#include <QApplication>

namespace quintavo::app {

OneBoxPrompts::OneBoxPrompts(std::shared_ptr<IUserPrompts> inner) : m_inner(std::move(inner)) {}

bool OneBoxPrompts::BoxOpen() const {
    return m_open > 0 || QApplication::activeModalWidget() != nullptr;
}

template <typename Box> auto OneBoxPrompts::Open(Box&& box) {
    struct Opened {
        OneBoxPrompts& prompts;
        explicit Opened(OneBoxPrompts& p) : prompts(p) { ++prompts.m_open; }
        ~Opened() {
            if (--prompts.m_open > 0) return;
            // What waited opens now, each on its own, in the order raised.
            while (!prompts.m_waiting.empty()) {
                auto show = std::move(prompts.m_waiting.front());
                prompts.m_waiting.pop_front();
                ++prompts.m_open;
                try {
                    show();
                } catch (...) {
                }
                --prompts.m_open;
            }
        }
    } opened(*this);
    return box();
}

void OneBoxPrompts::ShowOrQueue(std::function<void()> show) {
    if (m_open > 0) {
        m_waiting.push_back(std::move(show));
        return;
    }
    Open(std::move(show));
}

IUserPrompts::Answer OneBoxPrompts::AskYesNoCancel(QWidget* parent, const QString& text) {
    return Open([&] { return m_inner->AskYesNoCancel(parent, text); });
}

IUserPrompts::Answer OneBoxPrompts::AskYesNo(QWidget* parent, const QString& text) {
    return Open([&] { return m_inner->AskYesNo(parent, text); });
}

void OneBoxPrompts::ShowMessage(QWidget* parent, const QString& text) {
    ShowOrQueue([inner = m_inner, parent, text] { inner->ShowMessage(parent, text); });
}

void OneBoxPrompts::ShowInformation(QWidget* parent, const QString& text) {
    ShowOrQueue([inner = m_inner, parent, text] { inner->ShowInformation(parent, text); });
}

QString OneBoxPrompts::SaveGameFileName(QWidget* parent, const QString& proposedName) {
    return Open([&] { return m_inner->SaveGameFileName(parent, proposedName); });
}

QString OneBoxPrompts::OpenGameFileName(QWidget* parent) {
    return Open([&] { return m_inner->OpenGameFileName(parent); });
}

} // namespace quintavo::app
