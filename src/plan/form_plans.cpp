#include "plan/form_plans.h"

#include "format/menu_record.h"
#include "format/mms_record.h"
#include "format/smtp_record.h"
#include "plan/replaced_file.h"
#include "plan/setting_lines.h"
#include "plan/settings_sheet.h"

#include <QDateTime>
#include <QDir>

namespace kestrova::plan {

namespace {

PlanInputs inputsOf(const dialog::PlanRequest& request, const FolderFacts& folder) {
    PlanInputs inputs;
    inputs.language = request.language;
    inputs.triggersPerDay = request.triggersPerDay;
    folder.fill(inputs, request.folder, request.model);
    return inputs;
}

dialog::StripContent stripOf(const Summary& summary) {
    dialog::StripContent content{summary.sentences, {}};
    for (const Conflict& conflict : summary.conflicts)
        content.warnings << conflict.text;
    return content;
}

template <typename Facts, typename Lines>
QStringList changesOf(const std::optional<QByteArray>& replaced, const ReadFile<Facts>& read,
                      const Facts& now, Lines lines, int language) {
    if (!replaced)
        return changeLines(ReplacedFile::None, {}, {}, language);
    if (read.state != ReplacedFile::Readable)
        return changeLines(read.state, {}, {}, language);
    return changeLines(ReplacedFile::Readable, lines(read.facts, language), lines(now, language),
                       language);
}

QString sheetOf(const char* fileName, const dialog::PlanRequest& request,
                std::vector<SettingLine> lines, Summary summary,
                const std::optional<QByteArray>& bytes) {
    SettingsSheet sheet;
    sheet.fileName = QString::fromLatin1(fileName);
    sheet.model = request.model;
    sheet.language = request.language;
    sheet.folder = QDir::toNativeSeparators(request.folder);
    sheet.date = QDateTime::currentDateTime();
    sheet.lines = std::move(lines);
    sheet.summary = std::move(summary);
    if (bytes)
        sheet.checkValue = storedCheckValue(*bytes);
    return sheet.html();
}

MenuFacts factsOf(const camera::MenuPlanInput& input) {
    return {input.form, input.request.model, input.settings, input.clock};
}

MmsFacts factsOf(const mms::MmsPlanInput& input) {
    return {input.form, input.request.model, input.settings};
}

SmtpFacts factsOf(const smtp::SmtpPlanInput& input) {
    return {input.form, input.request.model, input.settings};
}

} // namespace

int MenuFormPlan::defaultTriggers() const {
    return defaultTriggersPerDay;
}

dialog::StripContent MenuFormPlan::strip(const camera::MenuPlanInput& input) const {
    PlanInputs inputs = inputsOf(input.request, folder_);
    if (clockSync_)
        inputs.clockSynchronised = clockSync_->synchronised();
    return stripOf(summarizeMenu(factsOf(input), inputs));
}

QStringList MenuFormPlan::changes(const camera::MenuPlanInput& input,
                                  const std::optional<QByteArray>& replaced) const {
    return changesOf(replaced,
                     readMenuFile(replaced.value_or(QByteArray()), input.form, input.request.model),
                     factsOf(input), menuLines, input.request.language);
}

QString MenuFormPlan::sheet(const camera::MenuPlanInput& input,
                            const std::optional<QByteArray>& bytes) const {
    PlanInputs inputs = inputsOf(input.request, folder_);
    if (clockSync_)
        inputs.clockSynchronised = clockSync_->synchronised();
    const MenuFacts facts = factsOf(input);
    return sheetOf(camera::menuFileName, input.request, menuLines(facts, inputs.language),
                   summarizeMenu(facts, inputs), bytes);
}

int MmsFormPlan::defaultTriggers() const {
    return defaultTriggersPerDay;
}

dialog::StripContent MmsFormPlan::strip(const mms::MmsPlanInput& input) const {
    return stripOf(summarizeMms(factsOf(input), inputsOf(input.request, folder_)));
}

QStringList MmsFormPlan::changes(const mms::MmsPlanInput& input,
                                 const std::optional<QByteArray>& replaced) const {
    return changesOf(replaced,
                     readMmsFile(replaced.value_or(QByteArray()), input.form, input.request.model),
                     factsOf(input), mmsLines, input.request.language);
}

QString MmsFormPlan::sheet(const mms::MmsPlanInput& input,
                           const std::optional<QByteArray>& bytes) const {
    const MmsFacts facts = factsOf(input);
    return sheetOf(mms::mmsFileName, input.request, mmsLines(facts, input.request.language),
                   summarizeMms(facts, inputsOf(input.request, folder_)), bytes);
}

int SmtpFormPlan::defaultTriggers() const {
    return defaultTriggersPerDay;
}

dialog::StripContent SmtpFormPlan::strip(const smtp::SmtpPlanInput& input) const {
    return stripOf(summarizeSmtp(factsOf(input), inputsOf(input.request, folder_)));
}

QStringList SmtpFormPlan::changes(const smtp::SmtpPlanInput& input,
                                  const std::optional<QByteArray>& replaced) const {
    return changesOf(replaced,
                     readSmtpFile(replaced.value_or(QByteArray()), input.form, input.request.model),
                     factsOf(input), smtpLines, input.request.language);
}

QString SmtpFormPlan::sheet(const smtp::SmtpPlanInput& input,
                            const std::optional<QByteArray>& bytes) const {
    const SmtpFacts facts = factsOf(input);
    return sheetOf(smtp::smtpFileName, input.request, smtpLines(facts, input.request.language),
                   summarizeSmtp(facts, inputsOf(input.request, folder_)), bytes);
}

} // namespace kestrova::plan
