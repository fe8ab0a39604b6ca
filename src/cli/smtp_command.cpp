#include "app/camera_models.h"
#include "app/routing.h"
#include "cli/camera_values.h"
#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/json_values.h"
#include "cli/process_options.h"
#include "cli/settings_file_options.h"
#include "common/range_check.h"
#include "format/smtp_record.h"
#include "i18n/language.h"
#include "i18n/messages.h"
#include "i18n/mms_texts.h"
#include "i18n/smtp_texts.h"
#include "smtp/gprs_presets.h"
#include "smtp/smtp_checks.h"

#include <QJsonArray>
#include <QJsonObject>

#include <array>
#include <cmath>
#include <optional>
#include <set>

namespace kestrova::cli {

namespace {

using smtp::SmtpField;
using smtp::SmtpSettings;

enum class Kind { Mode, Number, Hours, Status, Country, Operator, Text };

struct SettingName {
    const char* name;
    SmtpField field;
    Kind kind;
    QString SmtpSettings::*text = nullptr;
    int limitA = 0;
    int limitB = 0;
};

// The names the command and the profiles use, in the order of the form.
// clang-format off
const std::array<SettingName, 15> settingNames{{
    {"mode", SmtpField::Mode, Kind::Mode},
    {"pictures_per_day", SmtpField::PicturesPerDay, Kind::Number},
    {"remote_hours", SmtpField::RemoteHours, Kind::Hours},
    {"status", SmtpField::Status, Kind::Status},
    {"country", SmtpField::Country, Kind::Country},
    {"operator", SmtpField::Operator, Kind::Operator},
    {"apn", SmtpField::Apn, Kind::Text, &SmtpSettings::apn, smtp::apnLimit, smtp::apnLimit},
    {"account", SmtpField::Account, Kind::Text, &SmtpSettings::account, smtp::accountLimit, smtp::accountLimit},
    {"gprs_password", SmtpField::GprsPassword, Kind::Text, &SmtpSettings::gprsPassword, smtp::gprsPasswordLimit, smtp::gprsPasswordLimit},
    {"server", SmtpField::Server, Kind::Text, &SmtpSettings::server, smtp::serverLimit, smtp::serverLimit},
    {"port", SmtpField::Port, Kind::Text, &SmtpSettings::port, smtp::portLimit, smtp::portLimit},
    {"sender", SmtpField::Sender, Kind::Text, &SmtpSettings::sender, smtp::addressLimit(SmtpForm::A), smtp::addressLimit(SmtpForm::B)},
    {"sender_password", SmtpField::SenderPassword, Kind::Text, &SmtpSettings::senderPassword, smtp::senderPasswordLimit, smtp::senderPasswordLimit},
    {"recipient", SmtpField::Recipient, Kind::Text, &SmtpSettings::recipient, smtp::addressLimit(SmtpForm::A), smtp::addressLimit(SmtpForm::B)},
    {"phone", SmtpField::Phone, Kind::Text, &SmtpSettings::phone, smtp::phoneLimit, smtp::phoneLimit},
}};
// clang-format on

const SettingName* findSetting(const QString& name) {
    for (const SettingName& setting : settingNames) {
        if (name == QLatin1String(setting.name))
            return &setting;
    }
    return nullptr;
}

QString nameOf(SmtpField field) {
    for (const SettingName& setting : settingNames) {
        if (setting.field == field)
            return QLatin1String(setting.name);
    }
    return {};
}

QStringList allSettingNames() {
    return smtpSettingNames();
}

// The only entry of the country and operator lists in "Manual" mode.
const QString manualEntry = QStringLiteral("Other");

// Collects the settings of one SMTP form from a profile and --set, then settles what depends on
// more than one of them (the operator on the country, the GPRS texts on the mode) once all are
// in, so their order does not matter.
class SmtpValues {
public:
    SmtpValues(int model, int language)
        : model_(model)
        , form_(app::smtpFormFor(model))
        , language_(language) {}

    void applyProfile(const QJsonObject& profile) {
        for (auto it = profile.begin(); it != profile.end(); ++it) {
            if (findSetting(it.key()))
                apply(it.key(), it.value());
        }
    }

    ProfileKeys profileKeys() const {
        return {
            QStringLiteral("smtp"),
            allSettingNames(),
            {QStringLiteral("form"), QStringLiteral("user_name"), QStringLiteral("smtp_language")}};
    }

    void applyAssignment(const QString& assignment) {
        const auto equals = assignment.indexOf(u'=');
        if (equals <= 0)
            fail(
                ExitBadInput,
                QStringLiteral("--set expects NAME=VALUE, got \"%1\"").arg(shownValue(assignment)));
        // Texts keep their blanks: a password may begin or end with one.
        apply(assignment.left(equals).trimmed(), QJsonValue(assignment.mid(equals + 1)));
    }

    SmtpSettings settle() {
        if (settings_.automatic) {
            settings_.country = countryIndex();
            settings_.operatorCode = operatorIndex();
            checkPresetTexts();
        } else {
            checkManualEntry(QStringLiteral("country"), country_);
            checkManualEntry(QStringLiteral("operator"), operator_);
            settings_.country = smtp::manualCountry;
            settings_.operatorCode = 0;
        }
        return settings_;
    }

private:
    [[noreturn]] void refuse(const SettingName& setting, const QString& why) const {
        fail(ExitBadInput, QStringLiteral("%1: %2").arg(QLatin1String(setting.name), why));
    }

    void apply(const QString& name, const QJsonValue& value) {
        const SettingName* setting = findSetting(name);
        if (!setting)
            unknownSetting(name, allSettingNames());
        if (setting->kind == Kind::Status && form_ != SmtpForm::B)
            refuse(*setting, QStringLiteral("model %1 (%2) has no such setting")
                                 .arg(model_)
                                 .arg(app::modelName(model_)));
        if (!value.isString() && !value.isDouble())
            refuse(*setting,
                   QStringLiteral("expected a number or a text, got %1").arg(describe(value)));
        switch (setting->kind) {
        case Kind::Mode:
            settings_.automatic =
                listPosition(*setting, value, i18n::smtpModeOptions(i18n::English)) == 0;
            break;
        case Kind::Number:
            settings_.picturesPerDay = number(*setting, value, 0, 99);
            break;
        case Kind::Hours:
            settings_.remoteHours = listPosition(*setting, value, i18n::hourOptions(i18n::English));
            break;
        case Kind::Status:
            settings_.status = listPosition(*setting, value, i18n::smtpSendOptions(i18n::English));
            break;
        case Kind::Country:
            country_ = value;
            break;
        case Kind::Operator:
            operator_ = value;
            break;
        case Kind::Text:
            text(*setting, value);
            break;
        }
    }

    int number(const SettingName& setting, const QJsonValue& value, int lower, int upper) const {
        const auto parsed = wholeNumber(value);
        if (!parsed)
            refuse(setting, QStringLiteral("%1 (got %2)")
                                .arg(i18n::messageFor(i18n::Message::EnterInteger, language_),
                                     describe(value)));
        if (!IntRange{lower, upper}.contains(*parsed))
            refuse(setting,
                   QStringLiteral("%1 (got %2)")
                       .arg(i18n::integerRangeMessage(lower, upper, language_), describe(value)));
        return *parsed;
    }

    // A list entry by its English text or its 0-based position.
    int listPosition(const SettingName& setting, const QJsonValue& value,
                     const QStringList& entries) const {
        const auto position = cli::listPosition(value, entries);
        if (!position)
            refuse(setting, notInList(value, entries));
        return *position;
    }

    void text(const SettingName& setting, const QJsonValue& value) {
        // A port or a phone number may come as a JSON number.
        QString text = value.isString() ? value.toString() : QString();
        if (value.isDouble()) {
            const auto whole = wholeNumber(value);
            if (!whole || *whole < 0)
                refuse(setting, QStringLiteral("expected a text, got %1").arg(describe(value)));
            text = QString::number(*whole);
        }
        const int limit = form_ == SmtpForm::A ? setting.limitA : setting.limitB;
        if (text.size() > limit)
            refuse(setting, QStringLiteral("%1 (got %2)")
                                .arg(i18n::maxCharactersMessage(limit, language_))
                                .arg(text.size()));
        settings_.*setting.text = text;
        given_.insert(setting.field);
    }

    int countryIndex() const {
        if (country_.isUndefined())
            return 0;
        const SettingName& setting = *findSetting(QStringLiteral("country"));
        refuseManualEntry(setting, country_);
        return listPosition(setting, country_, smtp::gprsCountryNames());
    }

    int operatorIndex() const {
        if (operator_.isUndefined())
            return 0;
        const SettingName& setting = *findSetting(QStringLiteral("operator"));
        refuseManualEntry(setting, operator_);
        return listPosition(setting, operator_, smtp::gprsOperatorNames(settings_.country));
    }

    static bool isManualEntry(const QJsonValue& value) {
        return value.toString().trimmed().compare(manualEntry, Qt::CaseInsensitive) == 0;
    }

    void refuseManualEntry(const SettingName& setting, const QJsonValue& value) const {
        if (isManualEntry(value))
            refuse(
                setting,
                QStringLiteral("\"%1\" belongs to Manual mode; set mode=Manual").arg(manualEntry));
    }

    // In "Manual" mode the country and operator lists hold "Other" alone.
    void checkManualEntry(const QString& name, const QJsonValue& value) const {
        if (value.isUndefined() || isManualEntry(value) || wholeNumber(value) == 0)
            return;
        refuse(*findSetting(name),
               QStringLiteral("in Manual mode the only entry is \"%1\" (got %2); set mode=Auto "
                              "to choose from the presets")
                   .arg(manualEntry, describe(value)));
    }

    // "Auto" mode takes the APN, account and GPRS password from the preset, as the form's
    // read-only fields do: a different text given for them would be lost without a word.
    void checkPresetTexts() const {
        const SmtpSettings preset = smtp::withGprsPreset(settings_);
        for (const char* name : {"apn", "account", "gprs_password"}) {
            const SettingName& setting = *findSetting(QLatin1String(name));
            const QString wanted = preset.*setting.text;
            if (given_.contains(setting.field) && settings_.*setting.text != wanted)
                refuse(setting, QStringLiteral("in Auto mode this comes from the operator's "
                                               "preset (\"%1\"); set mode=Manual to give your own")
                                    .arg(wanted));
        }
    }

    int model_;
    SmtpForm form_;
    int language_;
    SmtpSettings settings_;
    QJsonValue country_{QJsonValue::Undefined};
    QJsonValue operator_{QJsonValue::Undefined};
    std::set<SmtpField> given_;
};

} // namespace

QStringList smtpSettingNames() {
    QStringList names;
    for (const SettingName& setting : settingNames)
        names << QLatin1String(setting.name);
    return names;
}

int runSmtp(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes smtp.dat, the e-mail (GPRS) sending settings, for one camera model (3 to 7).\n"
        "Starts from the values the model's SMTP form opens with (Auto mode, China Mobile),\n"
        "then applies the profile, then each --set in order; checks them as Generate does."));
    ProcessOptions process;
    parser.addOptions({process.model, process.language, process.chineseRequested});
    // Known to the shared options, but smtp.dat has no TV mode byte: refused, not ignored.
    QCommandLineOption tvMode = process.tvMode;
    tvMode.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(tvMode);
    const SettingsFileOptions file(
        QStringLiteral("One setting: a list takes its position or English entry, a number a "
                       "whole number, a text as it stands."));
    file.addTo(parser);
    parseCommand(parser, arguments, 0);

    const int model = requiredModel(parser, process.model);
    if (!app::hasSmtp(model))
        fail(ExitBadInput, QStringLiteral("model %1 (%2) cannot send e-mail: it has no SMTP "
                                          "settings (models 3 to 7 have)")
                               .arg(model)
                               .arg(app::modelName(model)));
    if (parser.isSet(tvMode))
        fail(ExitBadInput, QStringLiteral("--tv-mode: smtp.dat carries no TV mode"));
    const app::ProcessState state = process.resolve(parser);
    const SmtpForm form = app::smtpFormFor(model);
    const int language = state.language();

    SmtpValues values(model, language);
    file.applyTo(parser, values);
    const SmtpSettings settings = values.settle();

    const smtp::PreparedSmtpFile prepared =
        smtp::prepareSmtpFile(settings, form, state.recordLanguage(), language);
    if (prepared.refusal) {
        const auto& refusal = *prepared.refusal;
        fail(ExitBadInput, refusal.field
                               ? nameOf(*refusal.field) + QStringLiteral(": ") + refusal.message
                               : refusal.message);
    }
    return writeSettingsFile(file.outFolder(parser), smtp::smtpFileName, prepared.bytes, language);
}

} // namespace kestrova::cli
