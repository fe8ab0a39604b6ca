#include "app/camera_models.h"
#include "app/process_state.h"
#include "app/routing.h"
#include "camera/menu_profile.h"
#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/file_report.h"
#include "cli/folder_files.h"
#include "cli/json_values.h"
#include "cli/process_options.h"
#include "common/profile_document.h"
#include "common/profile_values.h"
#include "dialog/profile_file.h"
#include "i18n/mms_texts.h"
#include "mms/mms_profile.h"
#include "model/camera_model.h"
#include "plan/profile_diff.h"
#include "smtp/smtp_profile.h"
#include "storage/bounded_read.h"

#include <QFileInfo>
#include <QJsonDocument>

#include <map>

namespace kestrova::cli {

namespace {

const QString factoryReset = QStringLiteral("factory-reset");

// What one side holds: the settings of each kind of file, as profiles.
struct Side {
    QString path;
    bool folder = false;
    std::map<QString, QJsonObject> kinds; // "menu" (the factory reset record too), "mms", "smtp"
    std::optional<int> model;             // the model a profile names
};

QString kindOf(const QJsonObject& profile) {
    const QString kind = profile.value(QStringLiteral("kind")).toString();
    return kind == factoryReset ? QStringLiteral("menu") : kind;
}

void addReport(Side& side, const QString& path, const FileReport& report) {
    if (report.damaged())
        fail(ExitBadInput, QStringLiteral("%1 is damaged or no settings file; it holds no "
                                          "settings to compare (see kestrova inspect)")
                               .arg(escapedText(path)));
    const QJsonObject json = report.json();
    side.kinds[kindOf(json)] = json;
}

Side readFolder(const QString& path, std::optional<int> model) {
    Side side{path, true, {}, {}};
    for (const FolderFile& file : settingsFilesIn(path, model)) {
        if (file.state == FolderFile::State::Absent)
            continue;
        if (file.state != FolderFile::State::Read)
            fail(ExitBadInput,
                 QStringLiteral("cannot compare %1: %2")
                     .arg(escapedText(file.path), file.reason.isEmpty()
                                                      ? QStringLiteral("not a settings file")
                                                      : file.reason));
        addReport(side, file.path, *file.report);
    }
    if (side.kinds.empty())
        fail(ExitBadInput, QStringLiteral("no settings file in %1").arg(escapedText(path)));
    return side;
}

// What --profile refuses, diff refuses too: no JSON object, a name twice, the report of a
// damaged file, a name no setting of its kind has; and a model that is none.
QJsonObject readDiffProfile(const QString& path, const QByteArray& bytes) {
    const auto refuse = [&path](const QString& why) {
        fail(ExitBadInput, QStringLiteral("the profile %1 %2").arg(escapedText(path), why));
    };
    const ProfileDocument document = readProfileDocument(bytes);
    if (document.problem)
        refuse(document.problem->text());
    const QJsonObject& profile = document.object;
    const QString kind = kindOf(profile);
    const std::optional<ProfileKeys> keys = kind == u"menu"  ? camera::menuProfileKeys()
                                            : kind == u"mms" ? mms::MmsFile::profileKeys()
                                            : kind == u"smtp"
                                                ? std::optional(smtp::SmtpFile::profileKeys())
                                                : std::nullopt;
    if (!keys)
        fail(ExitBadInput, QStringLiteral("%1 names no kind of settings file (\"kind\": "
                                          "\"menu\", \"mms\" or \"smtp\")")
                               .arg(escapedText(path)));
    if (profile.value(QStringLiteral("kind")).toString() != factoryReset)
        if (const auto problem = profileKeysProblem(profile, *keys))
            refuse(problem->text());
    const QJsonValue model = profile.value(QStringLiteral("model"));
    if (!model.isUndefined() && !(model.isDouble() && model.toDouble() == model.toInt() &&
                                  app::isValidModel(model.toInt())))
        refuse(QStringLiteral("names the model %1, which is no camera model 1..%2")
                   .arg(shownValue(describe(model)))
                   .arg(app::modelCount));
    return profile;
}

Side readSide(const QString& path, std::optional<int> model) {
    if (QFileInfo(path).isDir())
        return readFolder(path, model);
    const storage::BoundedRead read = storage::readBounded(path, dialog::profileLimit);
    if (!read.ok())
        fail(ExitBadInput,
             QStringLiteral("cannot read %1: %2")
                 .arg(escapedText(path),
                      read.reason.isEmpty() ? QStringLiteral("too large") : read.reason));
    Side side{path, false, {}, {}};
    // A profile is a JSON object; a settings file is binary and never starts with "{".
    if (read.bytes.trimmed().startsWith('{')) {
        const QJsonObject profile = readDiffProfile(path, read.bytes);
        side.kinds[kindOf(profile)] = profile;
        if (profile.contains(QStringLiteral("model")))
            side.model = profile.value(QStringLiteral("model")).toInt();
        return side;
    }
    addReport(side, path, *reportFor(path, read.bytes, model));
    return side;
}

// A sending file's profile as its command reads it, written back as a profile.
template <sending::SendingFile File, typename Refuse>
QJsonObject canonicalSending(const QJsonObject& profile, int model, const Refuse& refuse) {
    const auto form = File::form(model);
    const auto read = sending::SendingProfileReader<File>(form, model, i18n::English).read(profile);
    if (read.error)
        refuse(read.error->message);
    return sending::profileObject<File>(read.settings, form, model);
}

// The settings in one shape whatever gave them: read as the model's form would, then written
// out again; a list as its English entry, say, whether the profile gave its position.
QJsonObject canonical(const QString& kind, const QJsonObject& profile, int model,
                      const QString& path) {
    const auto refuse = [&path](const QString& why) {
        fail(ExitBadInput, QStringLiteral("%1: %2").arg(escapedText(path), why));
    };
    if (kind == u"menu") {
        const CameraForm form = app::cameraFormFor(model);
        const auto read = camera::MenuProfileReader(form, model, i18n::English).read(profile);
        if (read.error)
            refuse(read.error->message);
        return camera::menuProfileObject(read.settings, form, model);
    }
    if (kind == u"mms")
        return canonicalSending<mms::MmsFile>(profile, model, refuse);
    return canonicalSending<smtp::SmtpFile>(profile, model, refuse);
}

// A text with control characters is none that a form or the command writes.
void refuseControlCharacters(const QJsonObject& settings, const QString& path) {
    for (auto it = settings.begin(); it != settings.end(); ++it) {
        if (it->isString() && holdsControl(it->toString()))
            fail(ExitBadInput, QStringLiteral("%1: %2 holds control characters (%3), which no "
                                              "form and no command writes")
                                   .arg(escapedText(path), it.key(), escapedText(it->toString())));
    }
}

// The model whose SMTP form reads the e-mail settings: the one given, else one with the form
// the files' headers name, where the one in the preferences sends no e-mail.
int smtpModel(int model, bool given, const Side& a, const Side& b) {
    if (given || cameraModel(model).sendsEmail)
        return model;
    const auto formOf = [](const Side& side) {
        const auto found = side.kinds.find(QStringLiteral("smtp"));
        return found == side.kinds.end() ? QString()
                                         : found->second.value(QStringLiteral("form")).toString();
    };
    const SmtpForm form = formOf(a) == u"B" || formOf(b) == u"B" ? SmtpForm::B : SmtpForm::A;
    for (const CameraModel& camera : cameraModels()) {
        if (camera.sendsEmail && camera.smtpForm == form)
            return camera.number;
    }
    return model;
}

QString fileNameOf(const QString& kind) {
    if (kind == u"mms")
        return QStringLiteral("setup.dat");
    return kind == u"smtp" ? QStringLiteral("smtp.dat") : QStringLiteral("menu.dat");
}

QStringList settingNames(const QString& kind) {
    if (kind == u"mms")
        return sending::settingNamesOf<mms::MmsFile>();
    return kind == u"smtp" ? sending::settingNamesOf<smtp::SmtpFile>() : camera::menuSettingNames();
}

} // namespace

int runDiff(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Compares two settings files, folders or profiles, in any mix, setting by setting.\n"
        "Exit status 0: the same settings; 1: they differ; 2: an input cannot be compared."));
    parser.addPositionalArgument(QStringLiteral("A"), QStringLiteral("A file, folder or profile."));
    parser.addPositionalArgument(QStringLiteral("B"), QStringLiteral("Another."));
    ProcessOptions process;
    parser.addOption(process.model);
    parseCommand(parser, arguments, 2);

    std::optional<int> given;
    if (parser.isSet(process.model))
        given = requiredModel(parser, process.model);
    const Side a = readSide(parser.positionalArguments()[0], given);
    const Side b = readSide(parser.positionalArguments()[1], given);
    // The model whose forms read the settings: the one given, else a profile's, else the one
    // the desktop program would use.
    const int model =
        given.value_or(a.model.value_or(b.model.value_or(ProcessOptions::stored().model)));

    // Two folders are compared file by file; a single file or profile only where the other
    // side holds the same kind.
    std::map<QString, bool> kinds;
    for (const Side* side : {&a, &b})
        for (const auto& [kind, profile] : side->kinds)
            kinds[kind] = true;
    QStringList lines;
    for (const auto& [kind, unused] : kinds) {
        const auto inA = a.kinds.find(kind);
        const auto inB = b.kinds.find(kind);
        const bool bothFolders = a.folder && b.folder;
        if (inA == a.kinds.end() || inB == b.kinds.end()) {
            if (bothFolders)
                lines << QStringLiteral("%1: only in %2")
                             .arg(fileNameOf(kind),
                                  escapedText(inA == a.kinds.end() ? b.path : a.path));
            continue;
        }
        const bool resetA = inA->second.value(QStringLiteral("kind")).toString() == factoryReset;
        const bool resetB = inB->second.value(QStringLiteral("kind")).toString() == factoryReset;
        if (resetA || resetB) {
            if (resetA != resetB)
                lines << QStringLiteral("%1: %2 is the factory reset record")
                             .arg(fileNameOf(kind), escapedText(resetA ? a.path : b.path));
            continue;
        }
        const int kindModel = kind == u"smtp"
                                  ? smtpModel(model, given.has_value() || a.model || b.model, a, b)
                                  : model;
        const QJsonObject settingsA = canonical(kind, inA->second, kindModel, a.path);
        const QJsonObject settingsB = canonical(kind, inB->second, kindModel, b.path);
        refuseControlCharacters(settingsA, a.path);
        refuseControlCharacters(settingsB, b.path);
        const QStringList differences =
            plan::profileDifferences(settingsA, settingsB, settingNames(kind));
        if (differences.isEmpty())
            continue;
        lines << fileNameOf(kind) + u':';
        for (const QString& difference : differences)
            lines << QStringLiteral("  ") + escapedText(difference);
    }
    const bool compared = std::any_of(kinds.begin(), kinds.end(), [&](const auto& entry) {
        return a.kinds.contains(entry.first) && b.kinds.contains(entry.first);
    });
    if (!compared && !(a.folder && b.folder))
        fail(ExitBadInput, QStringLiteral("nothing to compare: %1 and %2 hold different kinds of "
                                          "settings")
                               .arg(escapedText(a.path), escapedText(b.path)));
    for (const QString& line : lines)
        printLine(line);
    return lines.isEmpty() ? ExitOk : ExitDiffer;
}

} // namespace kestrova::cli
