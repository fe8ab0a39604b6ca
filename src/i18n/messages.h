#pragma once

#include <QString>

#include <string_view>

namespace kestrova {
struct WriteResult;
}

namespace kestrova::i18n {

// Every message the tool shows in its message box. Each has a Chinese and an English text;
// Chinese is shown when the language is 1, English otherwise.
enum class Message {
    EnterApn,
    EnterSmtpServer,
    EnterPort,
    EnterEmail,
    EmailNoAt,
    EmailNoDot,
    EnterSenderPassword,
    PhoneError,
    SmtpGenerated,
    PhoneError01,
    PhoneError02,
    PhoneError03,
    SetPhone1,
    PhoneDigitsOnly,
    RecheckPhone,
    PhoneEmailError,
    RecheckPhoneEmail,
    UrlError,
    ApnError,
    GatewayError,
    PortError,
    GatewayDotError,
    PhoneNotShown,
    MaxPhoneDigits, // %d: the limit
    IntegerRange,   // %d, %d: lower and upper bound
    MenuGenerated,
    MenuGeneratedB,
    FactoryGenerated,
    FactoryGeneratedB,
    MmsGenerated,
    // The field messages of the dialogs themselves.
    EnterInteger,
    StandardRange, // %1, %2: lower and upper bound
    MaxCharacters, // %1: the limit
    // A settings file that could not be put in place.
    WriteFailed, // %1: the file, %2: the reason
    CardUnchanged,
    WriteAgain,
    ReasonFolderMissing,
    ReasonReadOnly,
    ReasonCardFull,
    ReasonReadBackDiffers,
    // A text typed into a setup form that the camera's record cannot hold.
    FieldTooLong,      // %1: the field, %2: the bytes it takes, %3: the bytes that fit
    FieldNotEncodable, // %1: the field, %2: the character (the last: messages.cpp checks it)
};

// A row of src/i18n/tables/messages.csv.
struct MessageText {
    Message id;
    std::string_view key;
    std::string_view english;
    std::string_view chinese;
};

const MessageText& messageText(Message id);

// The text of a message in the given language, with its %d or %1.. placeholders still in it.
QString messageFor(Message id, int language);

// "Please enter an integer between 1 and 60!" and its kind, with the bounds filled in.
QString integerRangeMessage(int lower, int upper, int language);
QString standardRangeMessage(int lower, int upper, int language);
QString maxCharactersMessage(int limit, int language);
QString maxPhoneDigitsMessage(int limit, int language);

// The message for a settings file that could not be written, naming the file and the reason,
// and (unless `tellCard` is false, for a card other files of which were written) whether the
// settings on the card were changed.
QString writeFailureMessage(const WriteResult& result, int language, bool tellCard = true);

} // namespace kestrova::i18n
