#include "app/camera_models.h"
#include "app/routing.h"
#include "cli/cli_error.h"
#include "cli/file_report.h"
#include "cli/json_values.h"
#include "format/block_container.h"
#include "format/smtp_record.h"
#include "i18n/language.h"
#include "i18n/mms_texts.h"
#include "i18n/smtp_texts.h"
#include "smtp/gprs_presets.h"

#include <QJsonArray>
#include <QJsonObject>

#include <memory>
#include <optional>

namespace kestrova::cli {

namespace {

using smtp::SmtpSettings;

QString hex16(std::uint16_t value) {
    return QStringLiteral("0x%1").arg(QString::number(value, 16).toUpper().rightJustified(4, u'0'));
}

QString languageName(int number) {
    if (!i18n::isValidLanguage(number))
        return QStringLiteral("unknown");
    const i18n::LanguageState english{i18n::English, false, false};
    return i18n::languageListRows(english)[number - 1];
}

QString verdict(bool ok) {
    return ok ? QStringLiteral("(ok)") : QStringLiteral("(DAMAGED)");
}

// The entry at a position, or nothing when the position lies outside the list.
std::optional<QString> entryAt(const QStringList& entries, int position) {
    if (position < 0 || position >= entries.size())
        return std::nullopt;
    return entries[position];
}

// Which form wrote a file: the model says so, or else the header bytes that differ between the
// forms (A: 1, 1, hours; B: status, hours, 1). A header that reads the same both ways (form A
// with 1 hour, form B with "VGA" and 1 hour) holds the same settings either way, save the status
// form A has not got.
struct FormGuess {
    SmtpForm form = SmtpForm::A;
    bool fromModel = false;
    bool ambiguous = false;
};

FormGuess guessForm(const QByteArray& bytes, std::optional<int> model) {
    if (model) {
        if (!app::hasSmtp(*model))
            fail(ExitBadInput, QStringLiteral("model %1 (%2) has no SMTP settings; smtp.dat "
                                              "belongs to models 3 to 7")
                                   .arg(*model)
                                   .arg(app::modelName(*model)));
        return {app::smtpFormFor(*model), true, false};
    }
    const format::OpenedContainer opened = format::openContainer(bytes);
    const format::Block& header = opened.plain[0];
    const bool fitsA = header[6] == 1 && header[7] == 1 && header[8] <= smtp::remoteOff;
    const bool fitsB = header[8] == 1 && header[6] <= 2 && header[7] <= smtp::remoteOff;
    if (fitsA && fitsB)
        return {SmtpForm::A, false, true};
    return {fitsB ? SmtpForm::B : SmtpForm::A, false, false};
}

QChar letter(SmtpForm form) {
    return form == SmtpForm::A ? u'A' : u'B';
}

// One decoded "smtp.dat", as text lines and as a JSON profile for the smtp command.
class SmtpReport final : public FileReport {
public:
    SmtpReport(const QByteArray& bytes, std::optional<int> model)
        : model_(model)
        , guess_(guessForm(bytes, model))
        , decoded_(smtp::decodeSmtpRecord(bytes, guess_.form)) {}

    bool damaged() const override { return !decoded_.check.intact() || !outOfRange().isEmpty(); }

    QStringList lines() const override {
        const smtp::SmtpRecordCheck& check = decoded_.check;
        const SmtpSettings& s = decoded_.settings;
        QStringList out;
        out << QStringLiteral("kind: smtp");
        out << QStringLiteral("size: %1")
                   .arg(check.sizeOk ? QStringLiteral("720 bytes (ok)")
                                     : QStringLiteral("wrong (DAMAGED)"));
        if (!check.sizeOk)
            return out;
        out << QStringLiteral("check value: stored %1, CRC %2 + %3 %4")
                   .arg(hex16(check.storedCheckValue), hex16(check.computedCrc))
                   .arg(smtp::smtpAdjustment)
                   .arg(verdict(check.checkValueOk));
        out << QStringLiteral("line ends: %1")
                   .arg(check.lineEndsOk ? QStringLiteral("CR LF (ok)")
                                         : QStringLiteral("missing (DAMAGED)"));
        out << QStringLiteral("layout: %1")
                   .arg(check.layoutOk && check.checkBlockOk ? QStringLiteral("ok")
                                                             : QStringLiteral("DAMAGED"));
        out << QStringLiteral("texts: %1")
                   .arg(check.textsOk ? QStringLiteral("ok")
                                      : QStringLiteral("not code page 936 or too long (DAMAGED)"));
        out << QStringLiteral("user name: %1 %2")
                   .arg(quotedText(decoded_.userName),
                        check.userNameOk ? QStringLiteral("(ok)")
                                         : QStringLiteral("(not the sender's, DAMAGED)"));
        if (model_)
            out << QStringLiteral("model: %1 (%2), SMTP form %3")
                       .arg(*model_)
                       .arg(app::modelName(*model_))
                       .arg(letter(guess_.form));
        else if (guess_.ambiguous)
            out << QStringLiteral("form: A or B (the header reads the same; give --model)");
        else
            out << QStringLiteral("form: %1 (from the header)").arg(letter(guess_.form));
        out << QStringLiteral("mode: %1")
                   .arg(s.automatic == 1   ? QStringLiteral("Auto")
                        : s.automatic == 0 ? QStringLiteral("Manual")
                                           : unknown(s.automatic));
        out << QStringLiteral("country: %1").arg(countryText().value_or(unknown(s.country)));
        out << QStringLiteral("operator: %1").arg(operatorText().value_or(unknown(s.operatorCode)));
        out << QStringLiteral("pictures_per_day: %1%2")
                   .arg(s.picturesPerDay)
                   .arg(s.picturesPerDay == 0 ? QStringLiteral(" (unlimited)") : QString());
        out << QStringLiteral("remote_hours: %1").arg(hoursText().value_or(unknown(s.remoteHours)));
        if (showsStatus())
            out << QStringLiteral("status: %1").arg(statusText().value_or(unknown(s.status)));
        for (const auto& [name, value] : texts())
            out << QStringLiteral("%1: %2%3")
                       .arg(QLatin1String(name), quotedText(value),
                            holdsControl(value)
                                ? QStringLiteral(" (control characters: not written by this "
                                                 "program)")
                                : QString());
        out << QStringLiteral("smtp_language: %1 (%2)")
                   .arg(decoded_.languageByte)
                   .arg(languageName(decoded_.languageByte));
        if (const QStringList wrong = outOfRange(); !wrong.isEmpty())
            out << QStringLiteral("out of range: %1 (DAMAGED)")
                       .arg(wrong.join(QStringLiteral(", ")));
        return out;
    }

    QJsonObject json() const override {
        const smtp::SmtpRecordCheck& check = decoded_.check;
        const SmtpSettings& s = decoded_.settings;
        QJsonObject object;
        object[QStringLiteral("kind")] = QStringLiteral("smtp");
        object[QStringLiteral("crc_ok")] = check.checkValueOk;
        object[QStringLiteral("intact")] = !damaged();
        if (!check.sizeOk)
            return object;
        if (const QStringList wrong = outOfRange(); !wrong.isEmpty())
            object[QStringLiteral("out_of_range")] = QJsonArray::fromStringList(wrong);
        if (model_)
            object[QStringLiteral("model")] = *model_;
        if (!guess_.ambiguous)
            object[QStringLiteral("form")] = QString(letter(guess_.form));
        object[QStringLiteral("mode")] =
            s.automatic == 0 ? QStringLiteral("Manual") : QStringLiteral("Auto");
        object[QStringLiteral("country")] = jsonName(countryText(), s.country);
        object[QStringLiteral("operator")] = jsonName(operatorText(), s.operatorCode);
        object[QStringLiteral("pictures_per_day")] = s.picturesPerDay;
        object[QStringLiteral("remote_hours")] = jsonValue(hoursText(), s.remoteHours);
        if (showsStatus())
            object[QStringLiteral("status")] = jsonValue(statusText(), s.status);
        for (const auto& [name, value] : texts())
            object[QLatin1String(name)] = value;
        object[QStringLiteral("user_name")] = decoded_.userName;
        object[QStringLiteral("smtp_language")] = decoded_.languageByte;
        return object;
    }

private:
    static QString unknown(int value) {
        return QStringLiteral("%1 (not in the list: DAMAGED)").arg(value);
    }

    static QJsonValue jsonValue(const std::optional<QString>& text, int value) {
        return text ? QJsonValue(*text) : QJsonValue(value);
    }

    // A preset's name as the profile gives it back.
    static QJsonValue jsonName(const std::optional<QString>& text, int value) {
        return text ? QJsonValue(entryName(*text)) : QJsonValue(value);
    }

    bool manual() const { return decoded_.settings.automatic == 0; }

    // The form has the status list; with an ambiguous header its value is the default anyway.
    bool showsStatus() const { return guess_.form == SmtpForm::B && !guess_.ambiguous; }

    std::optional<QString> countryText() const {
        const int country = decoded_.settings.country;
        if (manual())
            return country == smtp::manualCountry ? std::optional(QStringLiteral("Other"))
                                                  : std::nullopt;
        return entryAt(smtp::gprsCountryNames(), country);
    }

    std::optional<QString> operatorText() const {
        const SmtpSettings& s = decoded_.settings;
        if (manual())
            return s.operatorCode == 0 ? std::optional(QStringLiteral("Other")) : std::nullopt;
        return entryAt(smtp::gprsOperatorNames(s.country), s.operatorCode);
    }

    std::optional<QString> hoursText() const {
        return entryAt(i18n::hourOptions(i18n::English), decoded_.settings.remoteHours);
    }

    std::optional<QString> statusText() const {
        return entryAt(i18n::smtpSendOptions(i18n::English), decoded_.settings.status);
    }

    // The values that no form and no command writes, by their names in the profile.
    QStringList outOfRange() const {
        if (!decoded_.check.sizeOk)
            return {};
        const SmtpSettings& s = decoded_.settings;
        const std::pair<const char*, bool> checks[] = {
            {"mode", s.automatic == 0 || s.automatic == 1},
            {"country", countryText().has_value()},
            {"operator", operatorText().has_value()},
            {"pictures_per_day", s.picturesPerDay >= 0 && s.picturesPerDay <= 99},
            {"remote_hours", hoursText().has_value()},
            {"status", !showsStatus() || statusText()},
        };
        QStringList wrong;
        for (const auto& [name, ok] : checks) {
            if (!ok)
                wrong << QLatin1String(name);
        }
        for (const auto& [name, value] : texts()) {
            if (holdsControl(value))
                wrong << QLatin1String(name);
        }
        if (!i18n::isValidLanguage(decoded_.languageByte))
            wrong << QStringLiteral("smtp_language");
        return wrong;
    }

    std::vector<std::pair<const char*, QString>> texts() const {
        const SmtpSettings& s = decoded_.settings;
        return {{"apn", s.apn},
                {"account", s.account},
                {"gprs_password", s.gprsPassword},
                {"server", s.server},
                {"port", s.port},
                {"sender", s.sender},
                {"sender_password", s.senderPassword},
                {"recipient", s.recipient},
                {"phone", s.phone}};
    }

    std::optional<int> model_;
    FormGuess guess_;
    smtp::DecodedSmtp decoded_;
};

} // namespace

std::unique_ptr<FileReport> smtpReport(const QByteArray& bytes, std::optional<int> model) {
    return std::make_unique<SmtpReport>(bytes, model);
}

} // namespace kestrova::cli
