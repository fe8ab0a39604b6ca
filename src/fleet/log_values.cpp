#include "fleet/log_values.h"

#include "common/control_characters.h"

namespace kestrova::fleet {

namespace {

constexpr const char* context = "kestrova::fleet::LogValues";

QString codeName(char32_t code) {
    return QStringLiteral("U+%1").arg(QString::number(uint(code), 16).toUpper(), 4, u'0');
}

bool isFormulaStart(QChar c) {
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

// A character that shows nothing, turns the text around or breaks the line where it stands.
bool hidden(char32_t code) {
    switch (QChar::category(code)) {
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
        return true;
    default:
        return isControlCharacter(code);
    }
}

} // namespace

QString normalisedName(const QString& text) {
    return text.normalized(QString::NormalizationForm_C).trimmed();
}

std::optional<i18n::Wording> nameProblem(const QString& text, NameKind kind) {
    using i18n::Wording;
    const int limit = kind == NameKind::Id ? idLimit : nameLimit;
    const auto characters = text.toUcs4();
    if (characters.size() > limit)
        return Wording(context,
                       QT_TRANSLATE_NOOP("kestrova::fleet::LogValues",
                                         "it holds %1 characters; at most %2 are taken"),
                       {Wording::value(QString::number(characters.size())),
                        Wording::value(QString::number(limit))});
    for (const char32_t code : characters) {
        if (hidden(code))
            return Wording(context,
                           QT_TRANSLATE_NOOP("kestrova::fleet::LogValues",
                                             "it holds the character %1, which shows nothing, "
                                             "breaks the line or turns the text around"),
                           {Wording::value(codeName(code))});
    }
    if (kind == NameKind::Id && (startsLikeFormula(text) || text.startsWith(u'\'')))
        return Wording(context,
                       QT_TRANSLATE_NOOP("kestrova::fleet::LogValues",
                                         "it begins with \"%1\", which a spreadsheet takes for "
                                         "a formula"),
                       {Wording::value(text.left(1))});
    return std::nullopt;
}

bool startsLikeFormula(const QString& value) {
    return !value.isEmpty() && isFormulaStart(value[0]);
}

QString spreadsheetSafe(const QString& value) {
    if (startsLikeFormula(value) || value.startsWith(u'\''))
        return u'\'' + value;
    return value;
}

bool isNumberColumn(const QString& column) {
    static const QStringList numbers{
        QStringLiteral("latitude"),  QStringLiteral("longitude"),
        QStringLiteral("pictures"),  QStringLiteral("videos"),
        QStringLiteral("days"),      QStringLiteral("days_working"),
        QStringLiteral("days_down"), QStringLiteral("clock_offset_seconds")};
    return numbers.contains(column);
}

QString spreadsheetValue(const QString& cell) {
    if (cell.size() > 1 && cell[0] == u'\'' && (isFormulaStart(cell[1]) || cell[1] == u'\''))
        return cell.mid(1);
    return cell;
}

} // namespace kestrova::fleet
