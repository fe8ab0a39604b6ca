#pragma once

#include "app/process_state.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace kestrova::cli {

// --model, --language, --chinese-requested and --tv-mode: what the desktop program would read
// from the preferences at start, unless given on the command line.
struct ProcessOptions {
    QCommandLineOption model{QStringLiteral("model"), QStringLiteral("Camera model 1..7."),
                             QStringLiteral("N")};
    QCommandLineOption language{
        QStringLiteral("language"),
        QStringLiteral("Language 1..%1 (default: the stored one).").arg(i18n::languageCount),
        QStringLiteral("N")};
    QCommandLineOption chineseRequested{
        QStringLiteral("chinese-requested"),
        QStringLiteral("The user chose Chinese: the record's language byte is 1.")};
    QCommandLineOption tvMode{QStringLiteral("tv-mode"),
                              QStringLiteral("TV mode 0..65535 (default: the stored one)."),
                              QStringLiteral("N")};

    void addTo(QCommandLineParser& parser, bool withModel) const;

    // The process state from the preferences store and the system language, then the flags.
    app::ProcessState resolve(const QCommandLineParser& parser) const;
    // The same for a command that takes --language alone of them.
    app::ProcessState resolveLanguage(const QCommandLineParser& parser) const;
    // The same for one that takes --language and --chinese-requested, not --tv-mode.
    app::ProcessState resolveChoice(const QCommandLineParser& parser) const;

    // What the desktop program reads at start, without any flag.
    static app::ProcessState stored();
};

// A whole number from a flag, within bounds, or a clear error naming the flag.
int integerFlag(const QCommandLineParser& parser, const QCommandLineOption& option, int lower,
                int upper);

// The model that --model names; required.
int requiredModel(const QCommandLineParser& parser, const QCommandLineOption& option);

} // namespace kestrova::cli
