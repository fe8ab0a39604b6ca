#include "i18n/messages.h"

#include "i18n/language.h"
#include "i18n/notices.h"
#include "i18n/tables/messages.h"
#include "i18n/utf8_text.h"
#include "storage/record_file.h"

#include <QFileInfo>

namespace kestrova::i18n {

namespace {

using enum Message;

// The table holds every message once, in the order of the enumeration.
constexpr bool inOrder() {
    for (std::size_t at = 0; at < tables::messages.size(); ++at) {
        if (tables::messages[at].id != static_cast<Message>(at))
            return false;
    }
    return tables::messages.back().id == FieldNotEncodable;
}
static_assert(inOrder(), "messages.csv: one row a message, in the order of enum Message");

// Replaces each "%d" in turn by the next number.
QString formatNumbers(QString text, std::initializer_list<int> numbers) {
    for (int number : numbers) {
        const auto at = text.indexOf(QStringLiteral("%d"));
        if (at < 0)
            break;
        text.replace(at, 2, QString::number(number));
    }
    return text;
}

} // namespace

const MessageText& messageText(Message id) {
    return tables::messages[static_cast<std::size_t>(id)];
}

QString messageFor(Message id, int language) {
    const MessageText& text = messageText(id);
    return utf8Text(language == Chinese ? text.chinese : text.english);
}

QString integerRangeMessage(int lower, int upper, int language) {
    return formatNumbers(messageFor(IntegerRange, language), {lower, upper});
}

QString standardRangeMessage(int lower, int upper, int language) {
    return messageFor(StandardRange, language).arg(lower).arg(upper);
}

QString maxCharactersMessage(int limit, int language) {
    return messageFor(MaxCharacters, language).arg(limit);
}

QString maxPhoneDigitsMessage(int limit, int language) {
    return formatNumbers(messageFor(MaxPhoneDigits, language), {limit});
}

QString writeFailureMessage(const WriteResult& result, int language, bool tellCard) {
    // Framed texts follow the classic messages: Chinese or English.
    const int framed = language == Chinese ? Chinese : English;
    QString reason;
    switch (result.failure) {
    case WriteFailure::None:
        return {};
    case WriteFailure::NoFolder:
        return noticeText(Notice::NoFolderChosen, language);
    case WriteFailure::IsLink:
        return noticeText(Notice::FileIsLink, language).arg(QFileInfo(result.path).fileName());
    case WriteFailure::Busy:
        return noticeText(Notice::WriteInProgress, language).arg(result.path);
    case WriteFailure::Unchecked:
        return noticeText(Notice::WrittenUnchecked, language).arg(result.path);
    case WriteFailure::FolderNotFlushed:
        return noticeText(Notice::FolderNotFlushed, language).arg(result.path, result.systemText);
    case WriteFailure::NoLock:
        return noticeText(Notice::LockUnavailable, language).arg(result.path, result.systemText);
    case WriteFailure::NameNotUtf8:
        return noticeText(Notice::NameNotUtf8, language);
    case WriteFailure::FolderMissing:
        reason = messageFor(ReasonFolderMissing, framed);
        break;
    case WriteFailure::PathTooLong:
        reason = noticeText(Notice::ReasonPathTooLong, framed);
        break;
    case WriteFailure::ReadOnly:
        reason = messageFor(ReasonReadOnly, framed);
        break;
    case WriteFailure::CardFull:
        reason = messageFor(ReasonCardFull, framed);
        break;
    case WriteFailure::ReadBackDiffers:
        reason = messageFor(ReasonReadBackDiffers, framed);
        break;
    case WriteFailure::Other:
        reason = result.systemText.endsWith(QLatin1Char('.')) ? result.systemText
                                                              : result.systemText + u'.';
        break;
    }
    // Only a file that was read back wrong may have replaced the old one.
    const QString failed = messageFor(WriteFailed, framed).arg(result.path, reason);
    if (!tellCard)
        return failed;
    const Message tail = result.replacedOldFile() ? WriteAgain : CardUnchanged;
    return failed + u' ' + messageFor(tail, framed);
}

} // namespace kestrova::i18n
