#include "dialog/card_file_actions.h"

#include "codec/block_container.h"
#include "common/profile_values.h"
#include "dialog/profile_file.h"
#include "dialog/settings_file.h"
#include "i18n/notices.h"
#include "i18n/own_text.h"
#include "i18n/summary_texts.h"
#include "storage/bounded_read.h"
#include "storage/file_history.h"
#include "storage/record_file.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QtGlobal>

namespace kestrova::dialog {

namespace {

constexpr const char* textContext = "kestrova::CardFileActions";

// Why a profile cannot be loaded, after "The profile FILE cannot be used: ", by the document's
// fault; a file of another kind is named by its kind and this form's file.
const char* problemSource(ProfileFault fault) {
    switch (fault) {
    case ProfileFault::NotJson:
        return QT_TRANSLATE_NOOP("kestrova::CardFileActions",
                                 "it is not valid JSON: %1 at offset %2");
    case ProfileFault::NotObject:
        return QT_TRANSLATE_NOOP("kestrova::CardFileActions",
                                 "it must hold one JSON object of settings");
    case ProfileFault::NameTwice:
        return QT_TRANSLATE_NOOP("kestrova::CardFileActions",
                                 "it names \"%1\" twice; which value is meant cannot be told");
    case ProfileFault::Damaged:
        return QT_TRANSLATE_NOOP(
            "kestrova::CardFileActions",
            "it is the report of a damaged file (%1); its values cannot be trusted");
    case ProfileFault::UnknownName:
        return QT_TRANSLATE_NOOP("kestrova::CardFileActions",
                                 "it holds the unknown setting \"%1\"; did you mean \"%2\"?");
    case ProfileFault::FactoryReset:
    case ProfileFault::OtherKind:
        break;
    }
    return QT_TRANSLATE_NOOP("kestrova::CardFileActions",
                             "it holds the settings of a %1 file, not of %2");
}

constexpr const char* tooLargeText =
    QT_TRANSLATE_NOOP("kestrova::CardFileActions", "larger than a profile (%1 bytes)");
constexpr const char* tooLargeUnknownText =
    QT_TRANSLATE_NOOP("kestrova::CardFileActions", "larger than a profile (more than %1 bytes)");
constexpr const char* damagedCopyText =
    QT_TRANSLATE_NOOP("kestrova::CardFileActions", "it reads as a damaged file");

} // namespace

CardFileActions::CardFileActions(Host& host, Dialog& dialog, const FormContext& context,
                                 TargetFolder& folder, CardFileHooks hooks)
    : host_(host)
    , dialog_(dialog)
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
    const storage::BoundedRead read = storage::readBounded(
        recordFilePath(folder_.path(), hooks_.fileName), codec::settingsFileLimit);
    if (read.status == storage::BoundedRead::Status::CannotOpen)
        return file;
    file.bytes = read.bytes;
    // Anything that is no whole, readable file of that size cannot be a settings file.
    if (read.ok())
        file.fit = hooks_.judge(read.bytes, file.description);
    return file;
}

void CardFileActions::loadFromCard() {
    if (showCardFile())
        tellLoadedFrom(recordFilePath(folder_.path(), hooks_.fileName));
}

bool CardFileActions::showCardFile() {
    using i18n::Notice;
    const CardFile file = readCardFile();
    if (!file.bytes) {
        host_.showMessage(text(Notice::FileAbsent).arg(hooks_.fileName));
        return false;
    }
    switch (file.fit) {
    case FileFit::Damaged:
        host_.showMessage(text(Notice::FileDamaged).arg(hooks_.fileName));
        return false;
    case FileFit::OtherForm:
        host_.showMessage(text(Notice::FileOtherForm).arg(hooks_.fileName));
        return false;
    case FileFit::FactoryReset:
        host_.showMessage(text(Notice::FileIsFactoryReset).arg(hooks_.fileName));
        return false;
    case FileFit::Fits:
        break;
    }
    hooks_.showFile(*file.bytes);
    return true;
}

void CardFileActions::tellLoadedFrom(const QString& path) {
    // Said in the form, under the loaded values, rather than in a box to dismiss over them.
    dialog_.setControlCaption(sourceLine,
                              text(i18n::Notice::LoadedFrom).arg(QDir::toNativeSeparators(path)));
}

void CardFileActions::offerToLoad() {
    const CardFile file = readCardFile();
    if (!file.bytes || file.fit != FileFit::Fits)
        return;
    const QString question =
        text(i18n::Notice::AskLoadFromFolder)
            .arg(hooks_.fileName, QDir::toNativeSeparators(folder_.path()), file.description);
    if (!host_.askYesNo(question))
        return;
    hooks_.showFile(*file.bytes);
    tellLoadedFrom(recordFilePath(folder_.path(), hooks_.fileName));
}

QString CardFileActions::ownText(const char* source) const {
    return i18n::ownText(textContext, source, context_.textLanguage());
}

QString CardFileActions::unreadableProfile(const storage::BoundedRead& read) const {
    if (read.status != storage::BoundedRead::Status::TooLarge)
        return read.reason;
    return ownText(read.sizeKnown ? tooLargeText : tooLargeUnknownText).arg(read.size);
}

QString CardFileActions::unusableProfile(const ProfileDocument& document) const {
    const ProfileProblem& problem = *document.problem;
    const QString text = ownText(problemSource(problem.fault));
    if (problem.fault != ProfileFault::OtherKind && problem.fault != ProfileFault::FactoryReset)
        return problem.filled(text);
    const QJsonValue kind = document.object.value(QStringLiteral("kind"));
    return text.arg(kind.isString() ? kind.toString() : describe(kind), hooks_.fileName);
}

void CardFileActions::loadProfile() {
    const auto path = host_.chooseProfileFile(Host::FileUse::Open, folder_.path());
    if (!path)
        return;
    const auto unusable = [this, &path](const QString& why) {
        host_.showMessage(text(i18n::Notice::ProfileUnusable).arg(*path, why));
    };
    const ProfileFile file = readProfileFile(*path, hooks_.profileKeys);
    if (!file.read.ok())
        unusable(unreadableProfile(file.read));
    else if (file.document.problem)
        unusable(unusableProfile(file.document));
    else if (const auto why = hooks_.showProfile(file.document.object))
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
    profile.insert(QStringLiteral("kind"), hooks_.profileKeys.kind);
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
    // A card's folder gets back only what that card held there.
    const VolumeIdentity here = folder_.volumeNow();
    const std::optional<HistoryEntry> entry =
        context_.history && !folder_.isEmpty()
            ? context_.history->newest(folder_.path(), hooks_.fileName, here.uuid)
            : std::nullopt;
    if (!entry) {
        host_.showMessage(text(Notice::NoPreviousFile).arg(hooks_.fileName));
        return;
    }
    // Only a whole copy, as it was kept, of a file that reads intact goes back onto a card.
    const KeptBytes kept = context_.history->bytes(*entry);
    QString description;
    QString doubt = kept.problem;
    if (kept.bytes && doubt.isEmpty() && hooks_.judge(*kept.bytes, description) == FileFit::Damaged)
        doubt = ownText(damagedCopyText);
    if (!kept.bytes || !doubt.isEmpty()) {
        host_.showMessage(text(Notice::PreviousCopyDamaged).arg(hooks_.fileName, doubt));
        return;
    }
    const QString when = entry->time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    // Where the folder's card is not known, the copy may be another card's: the owner decides.
    QString question =
        here.isEmpty() && !entry->volume.isEmpty()
            ? text(Notice::AskRestoreFromCard).arg(hooks_.fileName, when, entry->volume.name())
            : text(Notice::AskRestorePrevious).arg(hooks_.fileName, when);
    const bool newClock = hooks_.withCurrentClock && hooks_.withCurrentClock(*kept.bytes);
    if (newClock)
        question += u' ' + text(Notice::RestoreSetsClock);
    if (!host_.askYesNo(question))
        return;
    // The card may have been swapped while the question stood: a card that can be told now must
    // be the one the copy came from, as the command holds it (the owner was asked about a
    // folder whose card could not be told, not about another card).
    const VolumeIdentity now = folder_.volumeNow();
    if (!entry->volume.isEmpty() && !now.isEmpty() && now.uuid != entry->volume.uuid) {
        host_.showMessage(
            text(Notice::RestoreOtherCard).arg(hooks_.fileName, entry->volume.name(), now.name()));
        return;
    }
    // The clock as it is once the owner said yes.
    const QByteArray bytes = newClock ? *hooks_.withCurrentClock(*kept.bytes) : *kept.bytes;
    // The write's own message says where the file went back to; the form then shows it.
    if (folder_.writeFile(qPrintable(hooks_.fileName), bytes,
                          text(Notice::RestoredFrom).arg(hooks_.fileName, when),
                          context_.textLanguage()) &&
        showCardFile())
        tellLoadedFrom(recordFilePath(folder_.path(), hooks_.fileName));
}

void CardFileActions::printSheet() {
    if (!hooks_.sheet)
        return;
    // The paper in the camera box tells what the card holds: the file itself, with its check
    // value and clock, while its settings are the form's.
    const CardFile file = readCardFile();
    std::optional<QByteArray> written;
    if (file.bytes && file.fit == FileFit::Fits &&
        hooks_.fileProfile(*file.bytes) == hooks_.profile())
        written = file.bytes;
    if (const auto why = host_.printPage(hooks_.sheet(written)))
        host_.showMessage(
            i18n::summaryText(i18n::SummaryText::SheetPrintFailed, context_.textLanguage())
                .arg(*why));
}

} // namespace kestrova::dialog
