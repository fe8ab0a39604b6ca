#include "i18n/messages.h"

#include "i18n/language.h"
#include "i18n/notices.h"
#include "storage/record_file.h"

#include <QFileInfo>

#include <array>

namespace kestrova::i18n {

namespace {

using enum Message;

// clang-format off
constexpr std::array messages{
    MessageText{EnterApn, "msg.enter_apn", "GPRS APN", "请输入GPRS APN"},
    MessageText{EnterSmtpServer, "msg.enter_smtp_server", "Smtp Server", "请输入Smtp Server地址"},
    MessageText{EnterPort, "msg.enter_port", "Port", "请设置端口"},
    MessageText{EnterEmail, "msg.enter_email", "Please Input Email", "请输入Email"},
    MessageText{EmailNoAt, "msg.email_no_at", "Email Error(@)", "Email 错误(@)"},
    MessageText{EmailNoDot, "msg.email_no_dot", "Email Error(.)", "Email 错误(.)"},
    MessageText{EnterSenderPassword, "msg.enter_sender_password", "Sender Email Password", "请输入发送者邮箱密码"},
    MessageText{PhoneError, "msg.phone_error", "Phone No. Error", "手机号码错误"},
    MessageText{SmtpGenerated, "msg.smtp_generated", "SMTP configuration file has been generated", "SMTP配置文件已生成"},
    MessageText{PhoneError01, "msg.phone_error_01", "Phone No. Error(01)", "手机号码错误(01)"},
    MessageText{PhoneError02, "msg.phone_error_02", "Phone No. Error(02)", "手机号码错误(02)"},
    MessageText{PhoneError03, "msg.phone_error_03", "Phone No. Error(03)", "手机号码错误(03)"},
    MessageText{SetPhone1, "msg.set_phone_1", "Phone No. Error(01)", "请设置手机号码1"},
    MessageText{PhoneDigitsOnly, "msg.phone_digits_only", "Only numbers(+) are allowed phone number", "手机号码只允许数字(+)"},
    MessageText{RecheckPhone, "msg.recheck_phone", "Please re-check the phone number is entered correctly", "请重新检查手机号码是否输入正确"},
    MessageText{PhoneEmailError, "msg.phone_email_error", "Phone & Email Error(0)", "手机号码和Email错误(0)"},
    MessageText{RecheckPhoneEmail, "msg.recheck_phone_email", "Please re-check the phone number or email address is entered correctly", "请重新检查手机号码或者email地址是否输入正确"},
    MessageText{UrlError, "msg.url_error", "URL Error(0)", "彩信网址错误(0)"},
    MessageText{ApnError, "msg.apn_error", "APN Error(0)", "APN 错误(0)"},
    MessageText{GatewayError, "msg.gateway_error", "GateWay Error(0)", "彩信网关错误(0)"},
    MessageText{PortError, "msg.port_error", "Port Error(0)", "彩信端口错误(0)"},
    MessageText{GatewayDotError, "msg.port_dot_error", "GateWay Error(.)", "彩信端口错误(.)"},
    MessageText{PhoneNotShown, "msg.phone_not_shown", "Phone number will not be displayed in the camera setup menu", "手机号码将不能在相机设置菜单显示"},
    MessageText{MaxPhoneDigits, "msg.max_phone_digits", "The max allowable number of digits phone %d!", "最大允许手机号码位数 %d!"},
    MessageText{IntegerRange, "msg.integer_range", "Please enter an integer between %d and %d!", "请输入一个介于%d和%d之间的值!"},
    MessageText{MenuGenerated, "msg.menu_generated", "Camera menu configuration file is generated", "相机菜单设置文件已经生成"},
    MessageText{MenuGeneratedB, "msg.menu_generated_b", "Configuration file is generated", "相机菜单设置文件已经生成"},
    MessageText{FactoryGenerated, "msg.factory_generated", "Camera menu factory settings file has been generated", " 相机菜单出厂设置文件已经生成"},
    MessageText{FactoryGeneratedB, "msg.factory_generated_b", "Camera menu factory settings file has been generated", "相机菜单出厂设置文件已经生成"},
    MessageText{MmsGenerated, "msg.mms_generated", "MMS configuration file (URL|APN|Gateway|Port ...) has been generated", "MMS配置文件已生成"},
    MessageText{EnterInteger, "msg.enter_integer", "Please enter an integer.", "请键入一个整数。"},
    MessageText{StandardRange, "msg.standard_range", "Please enter an integer between %1 and %2.", "“请填入一个在%1和%2之间的整数。”"},
    MessageText{MaxCharacters, "msg.max_characters", "Please enter no more than %1 characters.", "“请填入不多于%1个的字符。”"},
    MessageText{WriteFailed, "msg.write_failed", "The file %1 could not be written: %2", "无法写入文件 %1：%2"},
    MessageText{CardUnchanged, "msg.card_unchanged", "The settings on the card were not changed.", "存储卡上的设置没有改变。"},
    MessageText{WriteAgain, "msg.write_again", "Generate the file again before using the card.", "请重新生成该文件后再使用存储卡。"},
    MessageText{ReasonFolderMissing, "msg.reason_folder_missing", "the folder does not exist or the card was removed.", "文件夹不存在或存储卡已被取出。"},
    MessageText{ReasonReadOnly, "msg.reason_read_only", "the card is read-only or locked.", "存储卡是只读的或已被锁定。"},
    MessageText{ReasonCardFull, "msg.reason_card_full", "the card is full.", "存储卡已满。"},
    MessageText{ReasonReadBackDiffers, "msg.reason_read_back_differs", "the file read back from the card differs from what was written.", "从存储卡读回的文件与写入的内容不一致。"},
    MessageText{FieldTooLong, "msg.field_too_long", "%1: the text takes %2 bytes on the camera, but only %3 fit. A Chinese character takes 2 bytes.", "%1：该内容在相机上占用 %2 个字节，最多只能容纳 %3 个字节。每个汉字占 2 个字节。"},
    MessageText{FieldNotEncodable, "msg.field_not_encodable", "%1: the character \"%2\" cannot be stored on the camera. Please remove it.", "%1：字符“%2”无法保存到相机中，请删除该字符。"},
};
// clang-format on

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
    const auto& entry = messages[static_cast<std::size_t>(id)];
    Q_ASSERT(entry.id == id);
    return entry;
}

QString messageFor(Message id, int language) {
    const MessageText& text = messageText(id);
    return QString::fromUtf8(language == Chinese ? text.chinese : text.english);
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
