#include "lang/qt_translations.h"

#include <array>
#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quintavo::lang {

namespace {

constexpr std::array<const char*, 4> LocaleNames = {"de", "en", "fr", "it"};

std::unique_ptr<QTranslator>& Installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

bool UseQtTranslations(std::int32_t language) {
    std::unique_ptr<QTranslator>& installed = Installed();
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    if (language < 0 || language >= static_cast<std::int32_t>(LocaleNames.size())) return false;
    auto translator = std::make_unique<QTranslator>();
    const QString name = QStringLiteral("qtbase_") +
                         QString::fromLatin1(LocaleNames[static_cast<std::size_t>(language)]);
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
    return true;
}

} // namespace quintavo::lang
