#include "i18n/own_text.h"

#include "i18n/language.h"

#include <QLoggingCategory>
#include <QTranslator>

#include <array>
#include <mutex>

namespace kestrova::i18n {

namespace {

Q_LOGGING_CATEGORY(textsLog, "kestrova.texts", QtCriticalMsg)

// A language's translations (translations/kestrova_<tag>.ts; English is the texts' own language)
// are loaded the first time one of its texts is asked for, so a run that shows none of our texts
// loads none. They stay for the whole run (never deleted: a text may
// be asked for until the process ends), and the many-cards loop asks from a thread of its own.
const QTranslator* translator(int language) {
    static std::array<std::once_flag, languageCount> loaded;
    static std::array<const QTranslator*, languageCount> translators{};
    const auto index = static_cast<std::size_t>(language - 1);
    std::call_once(loaded[index], [index] {
        auto* translations = new QTranslator;
        const std::string_view tag = languageTable[index].tag;
        const QString file =
            QStringLiteral(":/i18n/kestrova_%1.qm")
                .arg(QLatin1StringView(tag.data(), static_cast<qsizetype>(tag.size())));
        if (translations->load(file)) {
            translators[index] = translations;
        } else {
            qCWarning(textsLog, "%s cannot be loaded: the texts read English",
                      qUtf8Printable(file));
            delete translations;
        }
    });
    return translators[index];
}

QString lookUp(const char* context, const char* source, const char* key, int language, int n = -1) {
    const int shown = textLanguage(language);
    if (shown != English) {
        if (const QTranslator* translations = translator(shown)) {
            QString text = translations->translate(context, source, key, n);
            if (!text.isEmpty())
                return text;
        }
    }
    return QString::fromUtf8(source);
}

} // namespace

QString ownText(const char* context, const char* source, int language) {
    return lookUp(context, source, nullptr, language);
}

QString ownText(const char* context, const OwnTextSource& text, int language) {
    return lookUp(context, text.source, text.key, language);
}

QString ownText(const char* context, const OwnTextSource& text, int language, int n) {
    QString counted = lookUp(context, text.source, text.key, language, n);
    if (textLanguage(language) == English)
        counted.replace(QStringLiteral("(s)"), n == 1 ? QString() : QStringLiteral("s"));
    QLocale locale = localeOf(textLanguage(language));
    return counted.replace(QStringLiteral("%n"), locale.toString(n));
}

} // namespace kestrova::i18n
