#include "dialog/card_file_actions.h"

#include "dialog/settings_file.h"
#include "format/bounded_read.h"
#include "format/file_history.h"
#include "format/record_file.h"
#include "i18n/notices.h"
#include "i18n/summary_texts.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

namespace kestrova::dialog {

namespace {

// The largest settings file is 720 bytes; a profile is small text.
constexpr qint64 settingsFileLimit = 721;
constexpr qint64 profileLimit = 1 << 20;

} // namespace

CardFileActions::CardFileActions(Host& host, const FormContext& context, TargetFolder& folder,
                                 CardFileHooks hooks)
    : host_(host)
    , context_(context)
    , folder_(folder)
    , hooks_(std::move(hooks)) {}

QString CardFileActions::text(i18n::Notice notice) const {
    return i18n::noticeText(notice, context_.textLanguage());
}

std::vector<MenuAction> CardFileActions::menu() const {
    using i18n::Notice;
    std::vector<MenuAction> actions{
        {LoadFromCard, text(Notice::MenuLoadFromCard), QStringLiteral("Ctrl+L")},
        {LoadProfile, text(Notice::MenuLoadProfile), QStringLiteral("Ctrl+O")},
        {SaveProfile, text(Notice::MenuSaveProfile), QStringLiteral("Ctrl+S")},
        {RestorePrevious, text(Notice::MenuRestorePrevious), QString()}};
    if (hooks_.sheet)
        actions.push_back(
            {PrintSheet,
             i18n::summaryText(i18n::SummaryText::MenuPrintSheet, context_.textLanguage()),
             QStringLiteral("Ctrl+P")});
    return actions;
}

void CardFileActions::chosen(int command) {
    switch (command) {
    case LoadFromCard:
        loadFromCard();
        break;
    case LoadProfile:
        loadProfile();
        break;
    case SaveProfile:
        saveProfile();
        break;
    case RestorePrevious:
        restorePrevious();
        break;
    case PrintSheet:
        printSheet();
        break;
    default:
        break;
    }
}

CardFileActions::CardFile CardFileActions::readCardFile() const {
    CardFile file;
    if (folder_.isEmpty())
        return file;
    const format::BoundedRead read =
        format::readBounded(recordFilePath(folder_.path(), hooks_.fileName), settingsFileLimit);
    if (read.status == format::BoundedRead::Status::CannotOpen)
        return file;
    file.bytes = read.bytes;
    // Anything that is no whole, readable file of that size cannot be a settings file.
    if (read.ok())
        file.fit = hooks_.judge(read.bytes, file.description);
    return file;
}

void CardFileActions::loadFromCard() {
    using i18n::Notice;
    const CardFile file = readCardFile();
    if (!file.bytes) {
        host_.showMessage(text(Notice::FileAbsent).arg(hooks_.fileName));
        return;
    }
    switch (file.fit) {
    case FileFit::Damaged:
        host_.showMessage(text(Notice::FileDamaged).arg(hooks_.fileName));
        return;
    case FileFit::OtherForm:
        host_.showMessage(text(Notice::FileOtherForm).arg(hooks_.fileName));
        return;
    case FileFit::FactoryReset:
        host_.showMessage(text(Notice::FileIsFactoryReset).arg(hooks_.fileName));
        return;
    case FileFit::Fits:
        break;
    }
    hooks_.showFile(*file.bytes);
    tellLoadedFrom(recordFilePath(folder_.path(), hooks_.fileName));
}

void CardFileActions::tellLoadedFrom(const QString& path) {
    // Nothing else in the form shows that the settings changed, or where they came from.
    host_.showMessage(text(i18n::Notice::LoadedFrom).arg(QDir::toNativeSeparators(path)));
}

void CardFileActions::offerToLoad() {
    const CardFile file = readCardFile();
    if (!file.bytes || file.fit != FileFit::Fits)
        return;
    if (host_.askYesNo(text(i18n::Notice::AskLoadFromCard).arg(hooks_.fileName, file.description)))
        hooks_.showFile(*file.bytes);
}

void CardFileActions::offerAtOpening() {
    if (context_.cards.size() == 1 && !folder_.isEmpty() &&
        QDir(folder_.path()) == QDir(context_.cards.constFirst()))
        offerToLoad();
}

void CardFileActions::loadProfile() {
    const auto path = host_.chooseProfileFile(Host::FileUse::Open, folder_.path());
    if (!path)
        return;
    const auto unusable = [this, &path](const QString& why) {
        host_.showMessage(text(i18n::Notice::ProfileUnusable).arg(*path, why));
    };
    const format::BoundedRead read = format::readBounded(*path, profileLimit);
    if (!read.ok()) {
        unusable(read.status == format::BoundedRead::Status::TooLarge
                     ? QStringLiteral("larger than a profile (%1 bytes)").arg(read.size)
                     : read.reason);
        return;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(read.bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        unusable(QStringLiteral("not one JSON object of settings"));
        return;
    }
    const QJsonObject profile = document.object();
    const QString kind = profile.value(QStringLiteral("kind")).toString(hooks_.profileKind);
    if (kind != hooks_.profileKind) {
        unusable(QStringLiteral("it holds the settings of a %1 file, not of %2")
                     .arg(kind, hooks_.fileName));
        return;
    }
    if (profile.value(QStringLiteral("intact")) == QJsonValue(false)) {
        unusable(QStringLiteral("it is the report of a damaged file"));
        return;
    }
    if (const auto why = hooks_.showProfile(profile))
        unusable(*why);
    else
        tellLoadedFrom(*path);
}

void CardFileActions::saveProfile() {
    auto path = host_.chooseProfileFile(Host::FileUse::Save, folder_.path());
    if (!path)
        return;
    // Load profile shows JSON files only: a profile saved under another name would be lost to
    // it. Only a name the user did not see in the file dialog needs the question.
    if (!path->endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)) {
        path->append(QStringLiteral(".json"));
        if (QFileInfo::exists(*path) &&
            !host_.askYesNo(
                text(i18n::Notice::AskReplaceProfile).arg(QDir::toNativeSeparators(*path))))
            return;
    }
    QJsonObject profile = hooks_.profile();
    profile.insert(QStringLiteral("kind"), hooks_.profileKind);
    profile.insert(QStringLiteral("model"), context_.model);
    QSaveFile file(*path);
    const QByteArray json = QJsonDocument(profile).toJson(QJsonDocument::Indented);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        host_.showMessage(i18n::messageFor(i18n::Message::WriteFailed, context_.textLanguage())
                              .arg(*path, file.errorString()));
        return;
    }
    host_.showMessage(text(i18n::Notice::ProfileSaved) + u'\n' +
                      text(i18n::Notice::FileWritten).arg(QDir::toNativeSeparators(*path)));
}

void CardFileActions::restorePrevious() {
    using i18n::Notice;
    const std::optional<HistoryEntry> entry =
        context_.history && !folder_.isEmpty()
            ? context_.history->newest(folder_.path(), hooks_.fileName)
            : std::nullopt;
    const auto bytes = entry ? context_.history->bytes(*entry) : std::nullopt;
    if (!bytes) {
        host_.showMessage(text(Notice::NoPreviousFile).arg(hooks_.fileName));
        return;
    }
    const QString when = entry->time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!host_.askYesNo(text(Notice::AskRestorePrevious).arg(hooks_.fileName, when)))
        return;
    writeSettingsFile(host_, folder_.path(), qPrintable(hooks_.fileName), *bytes, hooks_.success,
                      context_.textLanguage(), folder_.writeOptions());
}

void CardFileActions::printSheet() {
    if (!hooks_.sheet)
        return;
    if (const auto why = host_.printPage(hooks_.sheet()))
        host_.showMessage(
            i18n::summaryText(i18n::SummaryText::SheetPrintFailed, context_.textLanguage())
                .arg(*why));
}

} // namespace kestrova::dialog
