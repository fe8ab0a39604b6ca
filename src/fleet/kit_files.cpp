#include "fleet/kit_files.h"

#include "camera/camera_rules.h"
#include "camera/captured_time.h"
#include "camera/menu_profile.h"
#include "camera/menu_record.h"
#include "common/control_characters.h"
#include "common/profile_values.h"
#include "i18n/check_messages.h"
#include "i18n/language.h"
#include "i18n/messages.h"
#include "i18n/notices.h"
#include "mms/mms_profile.h"
#include "model/camera_model.h"
#include "sending/sending_messages.h"
#include "smtp/smtp_profile.h"

namespace kestrova::fleet {

namespace {

using i18n::Wording;

// "phone1: the message", in any language.
Wording namedProblem(const QString& name, const Wording& problem) {
    return Wording("kestrova::fleet::KitFiles",
                   QT_TRANSLATE_NOOP("kestrova::fleet::KitFiles", "%1: %2"),
                   {Wording::value(name), problem});
}

// A text or number the record could not take, as the checks word it.
Wording fieldErrorWording(const codec::FieldError& error, const QString& name) {
    using i18n::Message;
    const auto number = [](int value) { return Wording::value(QString::number(value)); };
    switch (error.reason) {
    case codec::FieldError::Reason::TooLong:
        return i18n::checkMessage(
            Message::FieldTooLong,
            {Wording::value(name), number(error.actual), number(error.upper)});
    case codec::FieldError::Reason::NotEncodable:
    case codec::FieldError::Reason::ControlCharacter:
        return i18n::checkMessage(
            Message::FieldNotEncodable,
            {Wording::value(name), Wording::value(shownCharacter(error.character))});
    case codec::FieldError::Reason::ContainsZero:
        return i18n::checkMessage(
            Message::FieldNotEncodable,
            {Wording::value(name), Wording::value(shownCharacter(QString(QChar(0))))});
    case codec::FieldError::Reason::OutOfRange:
        break;
    }
    return namedProblem(name, i18n::checkMessage(Message::IntegerRange,
                                                 {number(error.lower), number(error.upper)}));
}

// A reader's refusal in any language, where it has words of ours for its reason.
Wording readerWording(const ProfileError& error) {
    if (!error.source)
        return {};
    QList<Wording> arguments;
    for (const QString& argument : error.arguments)
        arguments << Wording::value(argument);
    return namedProblem(error.setting, Wording("ProfileReason", error.source, arguments));
}

// A check that failed, in any language.
Wording checkWording(const sending::CheckText& text) {
    if (const auto* message = std::get_if<i18n::Message>(&text))
        return i18n::checkMessage(*message);
    const i18n::Notice notice = std::get<i18n::Notice>(text);
    return Wording::byLanguage(
        [notice](int language) { return i18n::noticeText(notice, language); });
}

// Why Generate would write no sending file, in any language.
template <sending::SendingFile File>
Wording refusalWording(const sending::Prepared<typename File::Field>& prepared) {
    const auto nameOf = [](int id) { return File::rows()[std::size_t(id)].nameText(); };
    if (const auto& failure = prepared.failure)
        return namedProblem(nameOf(static_cast<int>(failure->field)), checkWording(failure->text));
    if (const auto& error = prepared.refusal)
        return fieldErrorWording(*error, error->id >= 0 ? nameOf(error->id) : error->field);
    return {};
}

QStringList settingNames(KitPart part) {
    return profileKeys(part).settings;
}

// The values of one section, each as NAME=VALUE.
QList<const CameraValue*> valuesFor(KitPart part, const QList<CameraValue>& values) {
    QList<const CameraValue*> found;
    const QStringList names = settingNames(part);
    for (const CameraValue& value : values) {
        if ((!value.part || *value.part == part) && names.contains(value.name))
            found << &value;
    }
    return found;
}

QString assignment(const CameraValue& value) {
    return value.name + u'=' + value.value;
}

// A record byte the kit gives (a language byte the camera knows, the TV mode), or the default.
std::optional<SettingRefusal> recordByte(const QJsonObject& section, const QString& name, int lower,
                                         int upper, int& into) {
    const QJsonValue value = section.value(name);
    if (value.isUndefined())
        return std::nullopt;
    const auto number = wholeNumber(value);
    if (!value.isDouble() || !number || *number < lower || *number > upper)
        return SettingRefusal{{},
                              QStringLiteral("%1: expected a whole number from %2 to %3, got %4")
                                  .arg(name)
                                  .arg(lower)
                                  .arg(upper)
                                  .arg(describe(value))};
    into = *number;
    return std::nullopt;
}

// The language byte a record's header carries, under the section's name for it.
std::optional<SettingRefusal> languageByte(const QJsonObject& section, const QString& name,
                                           int& language) {
    const IntRange bytes = i18n::cameraLanguageBytes;
    return recordByte(section, name, bytes.lower, bytes.upper, language);
}

// The language byte (under the section's name for it) and the TV mode of a record's header.
std::optional<SettingRefusal> headerBytes(const QJsonObject& section, const QString& languageName,
                                          int& language, int& tvMode) {
    if (auto wrong = languageByte(section, languageName, language))
        return wrong;
    return recordByte(section, QStringLiteral("tv_mode"), 0, 255, tvMode);
}

// A refusal of the camera's values names the setting first: it is that value's column, else
// the kit's.
SettingRefusal refusal(const QString& message, const QList<const CameraValue*>& values,
                       const Wording& said = {}) {
    for (const CameraValue* value : values) {
        if (message.startsWith(value->name + u':'))
            return {value->column, message, said};
    }
    return {{}, message, said};
}

class Preparer {
public:
    Preparer(const Kit& kit, const QList<CameraValue>& values, const QDateTime& clock,
             const RecordDefaults& defaults)
        : kit_(kit)
        , values_(values)
        , clock_(clock)
        , defaults_(defaults) {}

    PreparedKit run() {
        for (const KitPart part : kitParts) {
            const auto& section = kit_.section(part);
            if (!section)
                continue;
            std::optional<QByteArray> bytes;
            switch (part) {
            case KitPart::Menu:
                bytes = menu(*section);
                break;
            case KitPart::Mms:
                bytes = sending<mms::MmsFile>(*section, part);
                break;
            case KitPart::Smtp:
                bytes = sending<smtp::SmtpFile>(*section, part);
                break;
            }
            if (!bytes) {
                prepared_.files.clear();
                break;
            }
            prepared_.files.push_back({part, partFileName(part), *bytes});
        }
        return prepared_;
    }

private:
    // Keeps the first refusal; the section makes no file.
    std::nullopt_t refuse(const SettingRefusal& refusal) {
        prepared_.refusal = refusal;
        return std::nullopt;
    }
    std::nullopt_t refuse(const QString& message, const QList<const CameraValue*>& values,
                          const Wording& said = {}) {
        return refuse(refusal(message, values, said));
    }

    // The section's settings, then this camera's own values, as the reader takes them; nothing
    // once one is refused.
    template <typename Settings>
    std::optional<Settings> read(ProfileReader<Settings>& reader, const QJsonObject& section,
                                 KitPart part) {
        if (const auto error = reader.takeProfile(section))
            return refuse({{}, error->message, readerWording(*error)});
        const auto values = valuesFor(part, values_);
        for (const CameraValue* value : values) {
            if (const auto error = reader.takeAssignment(assignment(*value)))
                return refuse({value->column, error->message, readerWording(*error)});
        }
        const ProfileRead<Settings> read = reader.settings();
        if (read.error)
            return refuse(read.error->message, values, readerWording(*read.error));
        return read.settings;
    }

    std::optional<QByteArray> menu(const QJsonObject& section) {
        const CameraModel& model = cameraModel(kit_.model);
        int language = defaults_.recordLanguage;
        int tvMode = defaults_.tvMode;
        if (const auto wrong =
                headerBytes(section, QStringLiteral("menu_language"), language, tvMode))
            return refuse(*wrong);
        camera::MenuProfileReader reader(model.cameraForm, kit_.model, defaults_.language);
        const auto settings = read(reader, section, KitPart::Menu);
        if (!settings)
            return std::nullopt;
        const auto record = camera::prepareMenuFile(model.cameraForm, *settings,
                                                    camera::CapturedTime::capture(clock_), language,
                                                    static_cast<std::uint16_t>(tvMode));
        const camera::CameraSettings written =
            camera::decodeMenuRecord(record, model.cameraForm).settings;
        prepared_.intervalSeconds = written.interval_unit == camera::intervalSeconds
                                        ? written.interval_value
                                        : written.interval_value * 60;
        return camera::toByteArray(record);
    }

    // A sending file: its record's language (and TV mode, where it has one), its settings,
    // then Generate's checks.
    template <sending::SendingFile File>
    std::optional<QByteArray> sending(const QJsonObject& section, KitPart part) {
        const auto form = File::form(kit_.model);
        const QString languageKey = QString::fromLatin1(File::languageKey);
        int language = defaults_.recordLanguage;
        int tvMode = defaults_.tvMode;
        if (const auto wrong = File::layout(form).tvModeByte >= 0
                                   ? headerBytes(section, languageKey, language, tvMode)
                                   : languageByte(section, languageKey, language))
            return refuse(*wrong);
        sending::SendingProfileReader<File> reader(form, kit_.model, defaults_.language);
        const auto settings = read(reader, section, part);
        if (!settings)
            return std::nullopt;
        const auto prepared = sending::prepare<File>(*settings, form, kit_.model, language,
                                                     static_cast<std::uint16_t>(tvMode));
        if (const auto why = sending::commandRefusal<File>(prepared, defaults_.language))
            return refuse(*why, valuesFor(part, values_), refusalWording<File>(prepared));
        return prepared.bytes;
    }

    const Kit& kit_;
    const QList<CameraValue>& values_;
    QDateTime clock_;
    RecordDefaults defaults_;
    PreparedKit prepared_;
};

} // namespace

PreparedKit prepareKit(const Kit& kit, const QList<CameraValue>& values, const QDateTime& clock,
                       const RecordDefaults& defaults) {
    return Preparer(kit, values, clock, defaults).run();
}

QStringList kitSettingNames(const Kit& kit) {
    QStringList names;
    for (const KitPart part : kitParts) {
        if (kit.section(part))
            names << settingNames(part);
    }
    return names;
}

bool kitHasSetting(const Kit& kit, std::optional<KitPart> part, const QString& name) {
    for (const KitPart each : kitParts) {
        if ((!part || *part == each) && kit.section(each) && settingNames(each).contains(name))
            return true;
    }
    return false;
}

} // namespace kestrova::fleet
