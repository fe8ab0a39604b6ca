#include "i18n/wording.h"

#include "i18n/language.h"
#include "i18n/own_text.h"

namespace kestrova::i18n {

Wording::Wording(const char* context, const char* source, QList<Wording> arguments)
    : say_(std::make_shared<const std::function<QString(int)>>(
          [context, source, arguments = std::move(arguments)](int language) {
              QStringList said;
              for (const Wording& argument : arguments)
                  said << argument.text(language);
              return filled(ownText(context, source, language), said);
          })) {}

Wording Wording::value(const QString& text) {
    return byLanguage([text](int) { return text; });
}

Wording Wording::byLanguage(std::function<QString(int language)> text) {
    Wording wording;
    wording.say_ = std::make_shared<const std::function<QString(int)>>(std::move(text));
    return wording;
}

QString Wording::text(int language) const {
    return say_ ? (*say_)(language) : QString();
}

QString Wording::english() const {
    return text(English);
}

QString filled(const QString& text, const QStringList& arguments) {
    QString out;
    out.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c == u'%' && at + 1 < text.size() && text[at + 1] >= u'1' && text[at + 1] <= u'9') {
            const qsizetype index = text[at + 1].unicode() - u'1';
            if (index < arguments.size()) {
                out += arguments[index];
                ++at;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace kestrova::i18n
