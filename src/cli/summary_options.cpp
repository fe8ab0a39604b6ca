#include "cli/summary_options.h"

#include "app/camera_models.h"
#include "app/routing.h"
#include "cli/cli_error.h"
#include "cli/json_values.h"
#include "cli/process_options.h"
#include "i18n/summary_texts.h"
#include "plan/assumptions.h"
#include "plan/card_facts.h"
#include "plan/replaced_file.h"

#include <QRegularExpression>

#include <cmath>

namespace kestrova::cli {

std::optional<qint64> parseSize(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(\d+(?:\.\d+)?)\s*(?:([KMGT])(i?)B?)?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch() || (!match.captured(3).isEmpty() && match.captured(2).isEmpty()))
        return std::nullopt;
    const double number = match.captured(1).toDouble();
    const int power = QStringLiteral("KMGT").indexOf(match.captured(2).toUpper()) + 1;
    const double base = match.captured(3).isEmpty() ? 1000.0 : 1024.0;
    const double bytes = number * std::pow(base, power);
    if (bytes < 1 || bytes > 1e15)
        return std::nullopt;
    return static_cast<qint64>(bytes);
}

SummaryRequest SummaryRequest::from(const QCommandLineParser& parser, const SummaryOptions& options,
                                    const app::ProcessState& state, std::optional<int> model,
                                    bool ownLanguage) {
    SummaryRequest request;
    request.model = model.value_or(state.model);
    request.modelGiven = model.has_value();
    // The language the owner chose: Chinese where it is Chinese, on any system (the desktop
    // program shows English for it on a system that is not Chinese, but a command that is told
    // --language 1 means it). The report speaks English otherwise; a sheet, for the owner, the
    // chosen language.
    const int language = i18n::textLanguage(state.languageState.chosenLanguage());
    request.language = ownLanguage || language == i18n::Chinese ? language : i18n::English;
    if (parser.isSet(options.triggers))
        request.triggersPerDay = integerFlag(parser, options.triggers, 0, plan::maxTriggersPerDay);
    else
        request.triggersPerDay = plan::defaultTriggersPerDay;
    if (parser.isSet(options.cardSize)) {
        request.cardSize = parseSize(parser.value(options.cardSize));
        if (!request.cardSize)
            fail(ExitBadInput, QStringLiteral("--card-size: expected a size like 32G, 512M or "
                                              "64GiB, got \"%1\"")
                                   .arg(shownValue(parser.value(options.cardSize))));
    }
    return request;
}

plan::PlanInputs SummaryRequest::inputsFor(const QString& folder) const {
    plan::PlanInputs inputs;
    inputs.language = language;
    inputs.triggersPerDay = triggersPerDay;
    inputs.cardSize = cardSize;
    inputs.card = plan::readCardFacts(folder);
    inputs.files = plan::readCardFiles(folder, model);
    return inputs;
}

std::optional<FileSettings> fileSettings(const QString& kind, const QByteArray& bytes,
                                         const QString& folder, const SummaryRequest& request) {
    const CameraModel& camera = cameraModel(request.model);
    const int language = request.language;
    if (kind == u"factory-reset")
        return FileSettings{
            {}, {{i18n::summaryText(i18n::SummaryText::FactoryReset, language)}, {}, {}}};
    const plan::PlanInputs inputs = request.inputsFor(folder);
    if (kind == u"menu") {
        const auto read = plan::readMenuFile(bytes, camera.cameraForm, request.model);
        if (read.state == plan::ReplacedFile::Readable)
            return FileSettings{plan::menuLines(read.facts, language),
                                plan::summarizeMenu(read.facts, inputs)};
    } else if (kind == u"mms") {
        const auto read = plan::readMmsFile(bytes, camera.mmsForm, request.model);
        if (read.state == plan::ReplacedFile::Readable)
            return FileSettings{plan::mmsLines(read.facts, language),
                                plan::summarizeMms(read.facts, inputs)};
    } else if (kind == u"smtp" && camera.sendsEmail) {
        const auto read = plan::readSmtpFile(bytes, camera.smtpForm, request.model);
        if (read.state == plan::ReplacedFile::Readable)
            return FileSettings{plan::smtpLines(read.facts, language),
                                plan::summarizeSmtp(read.facts, inputs)};
    }
    return std::nullopt;
}

QStringList summarySection(const plan::Summary& summary, const SummaryRequest& request) {
    using i18n::SummaryText;
    const SummaryText model =
        request.modelGiven ? SummaryText::ReportModel : SummaryText::ReportModelStored;
    const QString title = i18n::summaryText(model, request.language)
                              .arg(QString::number(request.model), app::modelName(request.model));
    return summary.reportLines(title, request.language);
}

void addSummaryJson(QJsonObject& report, const plan::Summary& summary,
                    const SummaryRequest& request) {
    QJsonObject json = summary.json();
    json[QStringLiteral("model")] = request.model;
    report[QStringLiteral("summary")] = json;
    report[QStringLiteral("conflicts")] = summary.conflictsJson();
}

} // namespace kestrova::cli
