#pragma once

#include "common/form_variants.h"
#include "common/profile_document.h"
#include "common/profile_reader.h"
#include "mms/mms_fields.h"
#include "mms/mms_settings.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>

namespace kestrova::mms {

// Every name a profile and NAME=VALUE take, in the order of the form.
QStringList mmsSettingNames();

// What an MMS profile may name: its settings, and the record bytes inspect prints.
ProfileKeys mmsProfileKeys();

// The named values of a profile and of NAME=VALUE assignments for one camera model, settled
// together once all are in, as several depend on others (the operator on the country, the
// network texts on the mode); a text is taken as typed, blanks included. Messages about counts
// are in the given display language.
class MmsProfileReader : public ProfileReader<MmsSettings> {
public:
    MmsProfileReader(MmsForm form, int model, int language);

private:
    bool isSetting(const QString& name) const override;
    std::optional<ProfileError> take(const QString& name, const QJsonValue& value) override;
    // The settings as the form's fields would hold them, before any preset is applied, or the
    // first value the form could not have held.
    ProfileRead<MmsSettings> settle() const override;

    const QJsonValue* given(const QString& name) const;
    std::optional<ProfileError> list(const QString& name, const QStringList& entries,
                                     int& into) const;
    std::optional<ProfileError> mode(int& automatic) const;
    std::optional<ProfileError> number(const MmsFieldRow& row, int& into) const;
    std::optional<ProfileError> remoteHours(int& into) const;
    std::optional<ProfileError> refuseInManual(const QString& name) const;
    std::optional<ProfileError> country(int& into) const;
    std::optional<ProfileError> operatorOf(int country, int& into) const;
    std::optional<ProfileError> text(const MmsFieldRow& row, QString& into) const;
    std::optional<ProfileError> checkAgainstPreset(MmsSettings& s) const;
    std::optional<ProfileError> checkPhoneLength(const MmsSettings& s) const;
    std::optional<ProfileError> checkRecipientBoxes(const MmsSettings& s) const;

    MmsForm form_;
    int model_;
    int language_;
    std::map<QString, QJsonValue> values_;
};

// The settings as a profile holds them, which MmsProfileReader reads back. statusEntries: the
// "MMS Status" list that names the status.
QJsonObject mmsProfileObject(const MmsSettings& settings, const QStringList& statusEntries);

} // namespace kestrova::mms
