#pragma once

#include "common/form_variants.h"
#include "common/profile_document.h"
#include "common/profile_reader.h"
#include "mms/mms_fields.h"
#include "mms/mms_record.h"
#include "mms/mms_settings.h"
#include "sending/sending_file.h"

#include <QJsonValue>
#include <QString>

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace kestrova::mms {

// "setup.dat" as a sending file: its table, and what only it has. Its recipients are phone
// numbers or addresses in four boxes, checked by their own rules; its presets give six network
// texts; both forms write the same record, whose check value adds 18 for an international
// number.
struct MmsFile {
    using Settings = MmsSettings;
    using Field = MmsField;
    using Row = MmsFieldRow;
    using Form = MmsForm;

    // What profiles and inspect call the record's language byte.
    static constexpr const char* languageKey = "record_language";
    static constexpr const char* fileName = mmsFileName;
    // A two-entry list takes true and false for its positions; a text must come in quotes.
    static constexpr bool numbersAndTextsOnly = false;
    static constexpr int folderTakeStep = mmsFolderTakeStep;
    static constexpr bool boolsForTwoEntries = true;

    static std::span<const Row> rows() { return mmsFields(); }
    static constexpr std::size_t column(Form form) { return static_cast<std::size_t>(form); }
    static Form form(int model);
    // Whether the model has the file at all.
    static bool onModel(int /*model*/) { return true; }
    static const sending::ContainerLayout<Settings, Field>& layout(Form /*form*/) {
        return mmsLayout();
    }
    static ProfileKeys profileKeys();

    static std::vector<std::string_view> presetTexts(int country, int operatorIndex);
    // The SMS-only list or the other list, then the remote control's need of "Phone No".
    static std::vector<sending::Check<Field>> checks(const Settings& settings, Form form,
                                                     int model);

    static std::optional<QString> readText(const Row& row, const QJsonValue& value, Form form,
                                           int language, QString& into);
    static std::optional<Reason> readPresetChoice(const Row& row, const QJsonValue& value,
                                                  Settings& settings);
    static std::optional<QJsonValue> presetChoiceValue(const Row& row, const Settings& settings);
    static std::optional<QString> refuseListValue(const Row& row, const QJsonValue& value,
                                                  const Settings& settings);
    static QString presetRefusal(const Settings& settings, const QString& presetText);
    // "Phone No" within the digits of its scope, and the further recipients in their order.
    static std::optional<ProfileError> settleChecks(const Settings& settings, Form form,
                                                    int language);
};

static_assert(sending::SendingFile<MmsFile>);

} // namespace kestrova::mms
