#pragma once

#include "common/form_variants.h"
#include "common/profile_document.h"
#include "common/profile_reader.h"
#include "model/camera_model.h"
#include "sending/sending_file.h"
#include "smtp/smtp_fields.h"
#include "smtp/smtp_record.h"
#include "smtp/smtp_settings.h"

#include <QJsonValue>
#include <QString>

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace kestrova::smtp {

// "smtp.dat" as a sending file: its table, and what only it has. It sends to one address
// through a mail server and port of the owner's, with a sender and its password; its presets
// give three GPRS texts; each form lays out its header in its own way, and the check value always
// adds 15.
struct SmtpFile {
    using Settings = SmtpSettings;
    using Field = SmtpField;
    using Row = SmtpFieldRow;
    using Form = SmtpForm;

    // What profiles and inspect call the record's language byte.
    static constexpr const char* languageKey = "smtp_language";
    static constexpr const char* fileName = smtpFileName;
    // A value must be a number or a text; a text may come as a number (a port, a phone number).
    static constexpr bool numbersAndTextsOnly = true;
    static constexpr int folderTakeStep = smtpFolderTakeStep;
    static constexpr bool boolsForTwoEntries = false;

    static std::span<const Row> rows() { return smtpFields(); }
    static constexpr std::size_t column(Form form) { return formColumn(form); }
    static Form form(int model);
    // Whether the model has the file at all.
    static bool onModel(int model) { return cameraModel(model).sendsEmail; }
    static const sending::ContainerLayout<Settings, Field>& layout(Form form) {
        return smtpLayout(form);
    }
    static ProfileKeys profileKeys();

    static std::vector<std::string_view> presetTexts(int country, int operatorIndex);
    // The twelve checks of Generate, then a port the camera could never connect to.
    static std::vector<sending::Check<Field>> checks(const Settings& settings, Form form,
                                                     int model);

    static std::optional<QString> readText(const Row& row, const QJsonValue& value, Form form,
                                           int language, QString& into);
    static std::optional<Reason> readPresetChoice(const Row& row, const QJsonValue& value,
                                                  Settings& settings);
    static std::optional<QJsonValue> presetChoiceValue(const Row& row, const Settings& settings);
    static std::optional<QString> refuseListValue(const Row& /*row*/, const QJsonValue& /*value*/,
                                                  const Settings& /*settings*/) {
        return std::nullopt;
    }
    static QString presetRefusal(const Settings& settings, const QString& presetText);
    static std::optional<ProfileError> settleChecks(const Settings& /*settings*/, Form /*form*/,
                                                    int /*language*/) {
        return std::nullopt;
    }
};

static_assert(sending::SendingFile<SmtpFile>);

} // namespace kestrova::smtp
