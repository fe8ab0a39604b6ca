#include "cli/process_options.h"

#include "app/camera_models.h"
#include "app/preferences_store.h"
#include "app/startup.h"
#include "cli/cli_error.h"
#include "cli/json_values.h"
#include "common/range_check.h"

#include <QLocale>

namespace kestrova::cli {

void ProcessOptions::addTo(QCommandLineParser& parser, bool withModel) const {
    if (withModel)
        parser.addOption(model);
    parser.addOption(language);
    parser.addOption(chineseRequested);
    parser.addOption(tvMode);
}

int integerFlag(const QCommandLineParser& parser, const QCommandLineOption& option, int lower,
                int upper) {
    const QString name = option.names().constFirst();
    const auto value = parseInteger(parser.value(option));
    if (!value || !IntRange{lower, upper}.contains(*value))
        fail(ExitBadInput, QStringLiteral("--%1: expected a whole number from %2 to %3, got \"%4\"")
                               .arg(name)
                               .arg(lower)
                               .arg(upper)
                               .arg(shownValue(parser.value(option))));
    return *value;
}

int requiredModel(const QCommandLineParser& parser, const QCommandLineOption& option) {
    if (!parser.isSet(option)) {
        QStringList models;
        for (int m = 1; m <= app::modelCount; ++m)
            models << QStringLiteral("%1 %2").arg(m).arg(app::modelName(m));
        fail(ExitBadInput,
             QStringLiteral("--model is required: %1").arg(models.join(QStringLiteral(", "))));
    }
    return integerFlag(parser, option, 1, app::modelCount);
}

app::ProcessState ProcessOptions::stored() {
    app::PreferencesStore store;
    return app::startUp(store, i18n::languageIdOf(QLocale::system()), app::StoreDefaults::Leave);
}

app::ProcessState ProcessOptions::resolveLanguage(const QCommandLineParser& parser) const {
    app::ProcessState state = stored();
    if (parser.isSet(language)) {
        const int chosen = integerFlag(parser, language, 1, i18n::languageCount);
        state.languageState = i18n::languageAtStart(chosen, state.languageState.systemIsChinese);
    }
    return state;
}

app::ProcessState ProcessOptions::resolveChoice(const QCommandLineParser& parser) const {
    app::ProcessState state = resolveLanguage(parser);
    if (parser.isSet(chineseRequested))
        state.languageState = i18n::chooseLanguageRow(state.languageState, 0);
    return state;
}

app::ProcessState ProcessOptions::resolve(const QCommandLineParser& parser) const {
    app::ProcessState state = resolveChoice(parser);
    if (parser.isSet(tvMode))
        state.tvMode = static_cast<std::uint16_t>(integerFlag(parser, tvMode, 0, 0xFFFF));
    return state;
}

} // namespace kestrova::cli
