#include "cli/file_report.h"
#include "cli/sending_report.h"
#include "i18n/mms_texts.h"
#include "mms/mms_file.h"
#include "mms/operator_presets.h"

namespace kestrova::cli {

namespace {

using mms::MmsField;
using mms::MmsFieldRow;
using mms::MmsSettings;

std::optional<QString> nameIn(const QStringList& names, int position) {
    if (position < 0 || position >= names.size())
        return std::nullopt;
    return names[position];
}

// Without a model, the status list's entries beyond those all lists share are not known; the
// longest list (models 1 and 3) is the bound.
constexpr int longestStatusList = 4;

// The preset's country and operator by their codes and names; in "Manual" mode the country's
// manual code.
std::optional<QString> value(const MmsFieldRow& row, const MmsSettings& s,
                             std::optional<int> model) {
    if (row.id == MmsField::Status && !model && s.status >= 2 && s.status < longestStatusList)
        return QStringLiteral("position %1 (give --model for its text)").arg(s.status);
    if (row.role == sending::ListRole::Country) {
        if (s.automatic == 1)
            return QStringLiteral("%1 (%2)").arg(s.country).arg(
                nameIn(mms::mmsCountryNames(i18n::English), s.country)
                    .value_or(QStringLiteral("not in the list")));
        return QStringLiteral("0x%1 (%2)")
            .arg(QString::number(s.country, 16).toUpper(),
                 s.country == mms::manualCountry ? QStringLiteral("manual")
                                                 : QStringLiteral("not 0x80: DAMAGED"));
    }
    if (row.role == sending::ListRole::Operator) {
        if (s.automatic == 1)
            return QStringLiteral("%1 (%2)")
                .arg(s.operatorCode)
                .arg(nameIn(mms::mmsOperatorNames(s.country, i18n::English), s.operatorCode)
                         .value_or(QStringLiteral("not in the list")));
        return QString::number(s.operatorCode);
    }
    return std::nullopt;
}

std::optional<bool> fits(const MmsFieldRow& row, const MmsSettings& s, std::optional<int> model) {
    if (row.id == MmsField::Status && !model)
        return s.status >= 0 && s.status < longestStatusList;
    return std::nullopt;
}

// Both forms write the same record: the form does not tell itself.
FormGuess<MmsForm> guess(const QByteArray& /*bytes*/) {
    return {};
}

const SendingReportParts<mms::MmsFile> parts{
    "MMS", " for an international number", "", "", guess, value, fits};

} // namespace

std::unique_ptr<FileReport> mmsReport(const QByteArray& bytes, std::optional<int> model) {
    return std::make_unique<SendingReport<mms::MmsFile>>(bytes, model, parts);
}

} // namespace kestrova::cli
