#include "app/routing.h"
#include "cli/camera_values.h"
#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/json_values.h"
#include "cli/process_options.h"
#include "cli/settings_file_options.h"
#include "common/range_check.h"
#include "format/mms_record.h"
#include "i18n/language.h"
#include "i18n/messages.h"
#include "i18n/mms_texts.h"
#include "mms/mms_checks.h"
#include "mms/operator_presets.h"

#include <QJsonArray>
#include <QJsonObject>

#include <cmath>
#include <map>
#include <optional>

namespace kestrova::cli {

namespace {

using mms::MmsSettings;

// Every name the command takes, in the order of the form.
QStringList settingNames() {
    QStringList names;
    for (const mms::MmsFieldRow& row : mms::mmsFields())
        names << row.nameText();
    return names;
}

[[noreturn]] void notAllowed(const QString& name, const QJsonValue& value,
                             const QStringList& entries) {
    fail(ExitBadInput, name + QStringLiteral(": ") + notInList(value, entries));
}

// The named values of a profile and the --set flags, checked together once all are in, as
// several depend on others (the operator on the country, the network texts on the mode).
class MmsValues {
public:
    MmsValues(int model, int language)
        : model_(model)
        , form_(app::mmsFormFor(model))
        , language_(language) {}

    // A JSON object as "inspect --json" prints it; fields that are not settings are ignored.
    void applyProfile(const QJsonObject& profile) {
        for (auto it = profile.begin(); it != profile.end(); ++it) {
            if (mms::mmsFieldNamed(it.key()))
                values_[it.key()] = it.value();
        }
    }

    ProfileKeys profileKeys() const {
        return {QStringLiteral("mms"),
                settingNames(),
                {QStringLiteral("record_language"), QStringLiteral("tv_mode")}};
    }

    void applyAssignment(const QString& assignment) {
        const auto equals = assignment.indexOf(u'=');
        if (equals <= 0)
            fail(
                ExitBadInput,
                QStringLiteral("--set expects NAME=VALUE, got \"%1\"").arg(shownValue(assignment)));
        const QString name = assignment.left(equals).trimmed();
        if (!mms::mmsFieldNamed(name))
            unknownSetting(name, settingNames());
        // Texts are taken as typed, blanks included.
        values_[name] = QJsonValue(assignment.mid(equals + 1));
    }

    // The settings as the form's fields would hold them, before any preset is applied.
    MmsSettings settings() const {
        MmsSettings s;
        s.automatic = mode();
        s.status = list(QStringLiteral("status"),
                        i18n::mmsSendOptions(form_, model_, i18n::English), s.status);
        s.bearer =
            list(QStringLiteral("bearer"),
                 s.automatic ? i18n::mmsApnOptions() : i18n::mmsManualApnOptions(), s.bearer);
        s.picturesPerDay = picturesPerDay();
        s.remoteHours = remoteHours();
        s.international =
            list(QStringLiteral("international"),
                 {QStringLiteral("domestic"), QStringLiteral("international")}, s.international);
        if (s.automatic) {
            s.country = country();
            s.operatorCode = operatorOf(s.country);
        } else {
            refuseInManual(QStringLiteral("country"));
            refuseInManual(QStringLiteral("operator"));
            s.country = mms::manualCountry;
            s.operatorCode = 0;
        }
        for (const mms::MmsFieldRow& row : mms::mmsFields()) {
            if (row.kind == format::FieldKind::Text)
                s.*row.text = text(row.nameText());
        }
        if (s.automatic)
            checkAgainstPreset(s);
        checkPhoneLength(s);
        checkRecipientBoxes(s);
        return s;
    }

private:
    const QJsonValue* given(const QString& name) const {
        const auto found = values_.find(name);
        return found == values_.end() ? nullptr : &found->second;
    }

    int mode() const {
        const QStringList entries{QStringLiteral("auto"), QStringLiteral("manual")};
        // Position 0 of the form's list is "Auto"; the record's flag is 1 for it.
        return list(QStringLiteral("mode"), entries, 0) == 0 ? 1 : 0;
    }

    int list(const QString& name, const QStringList& entries, int fallback) const {
        const QJsonValue* value = given(name);
        if (!value)
            return fallback;
        if (value->isBool() && entries.size() == 2)
            return value->toBool() ? 1 : 0;
        const auto at = listPosition(*value, entries);
        if (!at) {
            if (name == u"bearer" && entries.size() == 1 &&
                listPosition(*value, i18n::mmsManualApnOptions()))
                fail(ExitBadInput, QStringLiteral("bearer: %1 only in manual mode; in auto mode "
                                                  "the list holds only APN")
                                       .arg(describe(*value)));
            notAllowed(name, *value, entries);
        }
        return *at;
    }

    int picturesPerDay() const {
        const QJsonValue* value = given(QStringLiteral("pictures_per_day"));
        if (!value)
            return 0;
        const auto number = wholeNumber(*value);
        if (!number)
            fail(ExitBadInput, QStringLiteral("pictures_per_day: %1 (got %2)")
                                   .arg(i18n::messageFor(i18n::Message::EnterInteger, language_),
                                        describe(*value)));
        if (*number < 0 || *number > 99)
            fail(ExitBadInput,
                 QStringLiteral("pictures_per_day: %1 (got %2)")
                     .arg(i18n::integerRangeMessage(0, 99, language_), describe(*value)));
        return *number;
    }

    int remoteHours() const {
        const QJsonValue* value = given(QStringLiteral("remote_hours"));
        if (!value)
            return mms::remoteOff;
        if (value->isString() &&
            value->toString().trimmed().compare(QStringLiteral("off"), Qt::CaseInsensitive) == 0)
            return mms::remoteOff;
        const auto hours = wholeNumber(*value);
        if (!hours || *hours < 0 || *hours > 24)
            fail(ExitBadInput, QStringLiteral("remote_hours: %1 is not allowed; use 0..24 or off")
                                   .arg(describe(*value)));
        return *hours;
    }

    void refuseInManual(const QString& name) const {
        if (given(name))
            fail(ExitBadInput,
                 QStringLiteral("%1: only in auto mode; manual mode writes country 0x80 and "
                                "operator 0")
                     .arg(name));
    }

    int country() const {
        const QJsonValue* value = given(QStringLiteral("country"));
        if (!value)
            return 0;
        QStringList names = mms::mmsCountryNames(i18n::English);
        if (const auto at = listPosition(*value, names))
            return *at;
        // The Chinese form's name of the first country.
        if (listPosition(*value, {mms::mmsCountryNames(i18n::Chinese).constFirst()}))
            return 0;
        notAllowed(QStringLiteral("country"), *value, names);
    }

    int operatorOf(int country) const {
        const QJsonValue* value = given(QStringLiteral("operator"));
        if (!value)
            return 0;
        const QStringList names = mms::mmsOperatorNames(country, i18n::English);
        if (const auto at = listPosition(*value, names))
            return *at;
        if (const auto at = listPosition(*value, mms::mmsOperatorNames(country, i18n::Chinese)))
            return *at;
        fail(ExitBadInput,
             QStringLiteral("operator: %1 is not an operator of %2; use a position 0..%3 or one "
                            "of: %4")
                 .arg(describe(*value), mms::mmsCountryNames(i18n::English)[country])
                 .arg(names.size() - 1)
                 .arg(names.join(QStringLiteral(", "))));
    }

    QString text(const QString& name) const {
        const QJsonValue* value = given(name);
        if (!value)
            return {};
        if (!value->isString())
            fail(ExitBadInput, QStringLiteral("%1: expected a text in quotes, got %2")
                                   .arg(name, describe(*value)));
        return value->toString();
    }

    // In "auto" mode the preset gives the network texts; one given anyway must agree with it,
    // as "inspect --json" of an auto-mode file prints them.
    void checkAgainstPreset(MmsSettings& s) const {
        MmsSettings preset = s;
        mms::applyPreset(preset);
        for (const mms::MmsFieldRow& row : mms::mmsFields()) {
            const QString name = row.nameText();
            if (!mms::givenByPreset(row.id) || !given(name))
                continue;
            if (s.*row.text != preset.*row.text)
                fail(ExitBadInput,
                     QStringLiteral("%1: in auto mode the preset of %2 gives \"%3\"; use "
                                    "mode=manual to type the network settings")
                         .arg(name,
                              mms::mmsOperatorNames(s.country, i18n::English).value(s.operatorCode),
                              preset.*row.text));
            (s.*row.text).clear();
        }
    }

    // The form measures "Phone No" whenever it reads its fields.
    void checkPhoneLength(const MmsSettings& s) const {
        const int limit = mms::phoneDigitLimit(form_, s.international == 1);
        if (s.phone1.size() > limit)
            fail(ExitBadInput,
                 QStringLiteral("phone1: %1").arg(i18n::maxPhoneDigitsMessage(limit, language_)));
    }

    // The form opens the "Phone or Email" boxes one after the other, each once the box before
    // holds 5 or more characters.
    void checkRecipientBoxes(const MmsSettings& s) const {
        if (!s.phone2.isEmpty() && s.phone1.size() < mms::minRecipientLength &&
            s.email.size() < mms::minRecipientLength)
            fail(ExitBadInput, QStringLiteral("phone2: needs phone1 or email of 5 or more "
                                              "characters first"));
        if (!s.phone3.isEmpty() && s.phone2.size() < mms::minRecipientLength)
            fail(ExitBadInput,
                 QStringLiteral("phone3: needs phone2 of 5 or more characters first"));
    }

    int model_;
    MmsForm form_;
    int language_;
    std::map<QString, QJsonValue> values_;
};

} // namespace

QStringList mmsSettingNames() {
    return settingNames();
}

int runMms(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes setup.dat, the MMS sending settings, for one camera model.\n"
        "Starts from the values the model's MMS form opens with, then applies the profile,\n"
        "then each --set in order, and makes the checks the form's Generate makes. In auto\n"
        "mode the operator preset gives the network settings."));
    ProcessOptions process;
    process.addTo(parser, true);
    const SettingsFileOptions file(
        QStringLiteral("One setting: a list takes its position or English entry, a text as "
                       "typed. Names: %1.")
            .arg(settingNames().join(QStringLiteral(", "))));
    file.addTo(parser);
    parseCommand(parser, arguments, 0);

    const int model = requiredModel(parser, process.model);
    const app::ProcessState state = process.resolve(parser);
    const int language = state.language();

    MmsValues values(model, language);
    file.applyTo(parser, values);
    const MmsSettings settings = values.settings();

    const int statusCount = mms::mmsStatusCount(app::mmsFormFor(model), model);
    const mms::PreparedMmsFile prepared =
        mms::prepareMmsFile(settings, statusCount, state.recordLanguage(), state.tvMode);
    if (const auto& failure = prepared.failure)
        fail(ExitBadInput,
             QStringLiteral("%1: %2").arg(mms::mmsField(failure->field).nameText(),
                                          i18n::messageFor(failure->message, language)));
    if (const auto& refusal = prepared.refusal)
        fail(ExitBadInput, mms::fieldErrorMessage(*refusal, refusal->field, language));

    return writeSettingsFile(file.outFolder(parser), mms::mmsFileName, prepared.bytes, language);
}

} // namespace kestrova::cli
