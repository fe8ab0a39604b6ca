#include "plan/form_plans.h"

#include "camera/menu_record.h"
#include "mms/mms_record.h"
#include "plan/folder_facts.h"
#include "plan/replaced_file.h"
#include "plan/setting_lines.h"
#include "plan/settings_sheet.h"
#include "smtp/smtp_record.h"

#include <QDateTime>
#include <QDir>

namespace kestrova::plan {

namespace {

// What tells one kind of settings file from another in a plan.
template <typename Facts, typename Variant> struct FileKind {
    const char* fileName;
    Summary (*summarize)(const Facts&, const PlanInputs&);
    std::vector<SettingLine> (*lines)(const Facts&, int);
    ReadFile<Facts> (*read)(const QByteArray&, Variant, int);
};

MenuFacts factsOf(const camera::MenuPlanInput& input) {
    return {input.form, input.request.model, input.settings, input.clock};
}

MmsFacts factsOf(const mms::MmsPlanInput& input) {
    return {input.form, input.request.model, input.settings};
}

SmtpFacts factsOf(const smtp::SmtpPlanInput& input) {
    return {input.form, input.request.model, input.settings};
}

template <typename Input, typename Facts, typename Variant>
class KindPlan final : public dialog::FormPlan<Input> {
public:
    KindPlan(FileKind<Facts, Variant> kind, const ClockSync* clockSync)
        : kind_(kind)
        , clockSync_(clockSync) {}

    int defaultTriggers() const override { return defaultTriggersPerDay; }

    dialog::StripContent strip(const Input& input) const override {
        const Summary summary = kind_.summarize(factsOf(input), inputsOf(input.request));
        dialog::StripContent content{summary.sentences, {}};
        for (const Conflict& conflict : summary.conflicts)
            content.warnings << conflict.text;
        return content;
    }

    QStringList changes(const Input& input,
                        const std::optional<QByteArray>& replaced) const override {
        const int language = input.request.language;
        if (!replaced)
            return changeLines(ReplacedFile::None, {}, {}, language);
        const ReadFile<Facts> read = kind_.read(*replaced, input.form, input.request.model);
        if (read.state != ReplacedFile::Readable)
            return changeLines(read.state, {}, {}, language);
        return changeLines(ReplacedFile::Readable, kind_.lines(read.facts, language),
                           kind_.lines(factsOf(input), language), language);
    }

    QString sheet(const Input& input, const std::optional<QByteArray>& bytes) const override {
        SettingsSheet sheet = sheetOf(input.request, factsOf(input));
        sheet.notWritten = true;
        if (bytes)
            sheet.checkValue = storedCheckValue(*bytes);
        return sheet.html();
    }

    QString cardSheet(const Input& input, const QByteArray& written) const override {
        const ReadFile<Facts> read = kind_.read(written, input.form, input.request.model);
        if (read.state != ReplacedFile::Readable)
            return sheet(input, std::nullopt);
        SettingsSheet sheet = sheetOf(input.request, read.facts);
        sheet.checkValue = storedCheckValue(written);
        return sheet.html();
    }

private:
    SettingsSheet sheetOf(const dialog::PlanRequest& request, const Facts& facts) const {
        SettingsSheet sheet;
        sheet.fileName = QString::fromLatin1(kind_.fileName);
        sheet.model = request.model;
        sheet.language = request.language;
        sheet.folder = QDir::toNativeSeparators(request.folder);
        sheet.date = QDateTime::currentDateTime();
        sheet.lines = kind_.lines(facts, request.language);
        sheet.summary = kind_.summarize(facts, inputsOf(request));
        return sheet;
    }

    PlanInputs inputsOf(const dialog::PlanRequest& request) const {
        PlanInputs inputs;
        inputs.language = request.language;
        inputs.triggersPerDay = request.triggersPerDay;
        folder_.fill(inputs, request.folder, request.model);
        if (clockSync_)
            inputs.clockSynchronised = clockSync_->synchronised();
        return inputs;
    }

    FileKind<Facts, Variant> kind_;
    const ClockSync* clockSync_;
    FolderFacts folder_;
};

} // namespace

camera::MenuPlanPtr menuFormPlan(const ClockSync* clockSync) {
    return std::make_shared<KindPlan<camera::MenuPlanInput, MenuFacts, CameraForm>>(
        FileKind<MenuFacts, CameraForm>{camera::menuFileName, summarizeMenu, menuLines,
                                        readMenuFile},
        clockSync);
}

mms::MmsPlanPtr mmsFormPlan() {
    return std::make_shared<KindPlan<mms::MmsPlanInput, MmsFacts, MmsForm>>(
        FileKind<MmsFacts, MmsForm>{mms::mmsFileName, summarizeMms, mmsLines, readMmsFile},
        nullptr);
}

smtp::SmtpPlanPtr smtpFormPlan() {
    return std::make_shared<KindPlan<smtp::SmtpPlanInput, SmtpFacts, SmtpForm>>(
        FileKind<SmtpFacts, SmtpForm>{smtp::smtpFileName, summarizeSmtp, smtpLines, readSmtpFile},
        nullptr);
}

} // namespace kestrova::plan
