#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <memory>

namespace kestrova::i18n {

// A message put together of texts of ours and the values it names, said in any language: the
// command says it in English, a window in its own. Values (a file, a camera id, a number as the
// user gave it) read the same in every language.
class Wording {
public:
    Wording() = default;
    // A text of ours (marked with QT_TRANSLATE_NOOP in that context) with %1, %2, ... filled in
    // by the arguments, each said in the same language.
    Wording(const char* context, const char* source, QList<Wording> arguments = {});
    // A value as it stands in every language.
    static Wording value(const QString& text);
    // A text that has its own rule for each language.
    static Wording byLanguage(std::function<QString(int language)> text);

    QString text(int language) const;
    QString english() const;
    bool isEmpty() const { return !say_; }

private:
    std::shared_ptr<const std::function<QString(int)>> say_;
};

// Fills %1 .. %9 in one pass, so an argument that holds "%2" stays as it is.
QString filled(const QString& text, const QStringList& arguments);

} // namespace kestrova::i18n
