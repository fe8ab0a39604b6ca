#pragma once

#include "common/form_variants.h"
#include "common/profile_document.h"
#include "common/profile_reader.h"
#include "smtp/smtp_fields.h"
#include "smtp/smtp_settings.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <optional>
#include <set>

namespace kestrova::smtp {

// The names of the settings, as profiles and the command spell them, in the table's order.
QStringList smtpSettingNames();

// What an SMTP profile may name: its settings, and the form, user name and language inspect
// prints.
ProfileKeys smtpProfileKeys();

// The English entries of a list setting, as profiles and inspect name them. In "Manual" mode the
// country and operator lists hold "Other" alone; in "Auto" mode they are the presets'.
QStringList smtpEntries(SmtpField field, const SmtpSettings& settings);

// The entry a list setting holds; nothing when its value lies outside the list.
std::optional<QString> smtpEntryText(SmtpField field, const SmtpSettings& settings);

// The settings of a form as a profile: each setting the form has, by its name; a list setting
// by its entry (a preset's name with "name:" before one that reads as a number), or by its
// number when that lies outside the list.
QJsonObject smtpProfile(const SmtpSettings& settings, SmtpForm form);

// Reads the settings of one SMTP form from profiles and NAME=VALUE texts, starting from the
// values the form opens with; a text keeps its blanks, as a password may begin or end with one.
// Each refusal is a message naming its setting ("port: ..."). What depends on more than one
// setting (the operator on the country, the GPRS texts on the mode) is settled once all are in,
// so their order does not matter.
class SmtpProfileReader : public ProfileReader<SmtpSettings> {
public:
    // `model` is how a refusal names the camera model ("model 3 (Kes LambdaMG)").
    SmtpProfileReader(SmtpForm form, const QString& model, int language);

private:
    bool isSetting(const QString& name) const override;
    std::optional<ProfileError> take(const QString& name, const QJsonValue& value) override;
    ProfileRead<SmtpSettings> settle() const override;

    std::optional<ProfileError> readSetting(const QString& name, const QJsonValue& value);
    std::optional<ProfileError> readText(const SmtpFieldRow& row, const QJsonValue& value);
    std::optional<ProfileError> checkPresetTexts(const SmtpSettings& settings) const;

    SmtpForm form_;
    QString model_;
    int language_;
    SmtpSettings settings_;
    QJsonValue country_{QJsonValue::Undefined};
    QJsonValue operator_{QJsonValue::Undefined};
    std::set<SmtpField> given_;
};

} // namespace kestrova::smtp
