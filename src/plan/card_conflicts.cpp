#include "plan/card_conflicts.h"

#include "i18n/summary_texts.h"
#include "plan/amounts.h"
#include "plan/card_facts.h"

namespace kestrova::plan {

namespace {

bool isFat(const QString& fileSystem) {
    for (const char* name : {"vfat", "msdos", "fat", "fat32"}) {
        if (fileSystem.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

std::optional<qint64> freeBytes(const PlanInputs& inputs) {
    if (inputs.cardSize)
        return inputs.cardSize;
    if (inputs.card.known)
        return inputs.card.bytesFree;
    return std::nullopt;
}

std::vector<Conflict> cardConflicts(const PlanInputs& inputs,
                                    std::optional<double> megabytesPerDay) {
    using i18n::SummaryText;
    const CardFacts& card = inputs.card;
    const int language = inputs.language;
    const auto text = [language](SummaryText id) { return i18n::summaryText(id, language); };
    const QStringList folder{QStringLiteral("folder")};
    std::vector<Conflict> conflicts;
    if (!card.known)
        return conflicts;
    if (card.readOnly)
        conflicts.push_back(
            {ConflictId::CardReadOnly, folder, text(SummaryText::ConflictCardReadOnly)});
    // The rest is about a card, whose folder is its root; a folder on the PC's disk is none.
    if (!card.volumeRoot)
        return conflicts;
    // Only the card's own space: a card size the owner gave is an empty card.
    if (!inputs.cardSize && megabytesPerDay && *megabytesPerDay > 0 &&
        static_cast<double>(card.bytesFree) / 1e6 < *megabytesPerDay)
        conflicts.push_back({ConflictId::CardShort, folder,
                             text(SummaryText::ConflictCardShort)
                                 .arg(sizeText(card.bytesFree, language),
                                      megabytesText(*megabytesPerDay, language))});
    if (card.bytesTotal > largestFat32Card && !isFat(card.fileSystem))
        conflicts.push_back({ConflictId::CardNotFat32, folder,
                             text(SummaryText::ConflictCardNotFat32).arg(card.fileSystem)});
    if (card.dcimFiles > 0) {
        const QString count = card.dcimFiles >= dcimCountLimit
                                  ? QStringLiteral("%1+").arg(dcimCountLimit)
                                  : QString::number(card.dcimFiles);
        conflicts.push_back(
            {ConflictId::CardOldFiles, folder, text(SummaryText::ConflictCardOldFiles).arg(count)});
    }
    return conflicts;
}

} // namespace kestrova::plan
