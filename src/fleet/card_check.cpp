#include "fleet/card_check.h"

#include "model/camera_model.h"
#include "plan/card_conflicts.h"
#include "plan/card_facts.h"
#include "plan/replaced_file.h"

#include <algorithm>

namespace kestrova::fleet {

namespace {

bool aboutTheCard(plan::ConflictId id) {
    using plan::ConflictId;
    return id == ConflictId::CardReadOnly || id == ConflictId::CardShort ||
           id == ConflictId::CardNotFat32 || id == ConflictId::CardOldFiles;
}

// The card's conflicts in one language: those of the camera menu's summary where the kit has
// one (it knows how much a day takes), else the card's alone.
QStringList cardWarnings(const plan::CardFacts& facts, const std::vector<PreparedFile>& files,
                         int model, int language) {
    plan::PlanInputs inputs;
    inputs.language = language;
    inputs.card = facts;
    std::vector<plan::Conflict> conflicts;
    const auto menu = std::find_if(files.begin(), files.end(), [](const PreparedFile& file) {
        return file.part == KitPart::Menu;
    });
    const auto read = menu == files.end()
                          ? plan::ReadFile<plan::MenuFacts>{}
                          : plan::readMenuFile(menu->bytes, cameraModel(model).cameraForm, model);
    if (read.state == plan::ReplacedFile::Readable)
        conflicts = plan::summarizeMenu(read.facts, inputs).conflicts;
    else
        conflicts = plan::cardConflicts(inputs);
    QStringList warnings;
    for (const plan::Conflict& conflict : conflicts) {
        if (aboutTheCard(conflict.id))
            warnings << conflict.text;
    }
    return warnings;
}

} // namespace

CardCheck checkCard(const card::Volume& card, const std::vector<PreparedFile>& files, int model,
                    int language) {
    plan::CardFacts facts = plan::readCardFacts(card.mountPoint);
    // A card found on a device is a volume whose root this is, of the size and file system the
    // card itself says, not its FUSE mount ("fuseblk").
    if (!card.device.isEmpty() && facts.known) {
        facts.volumeRoot = true;
        if (card.bytesTotal > 0)
            facts.bytesTotal = card.bytesTotal;
        if (!card.fileSystem.isEmpty())
            facts.fileSystem = card.fileSystem;
    }
    CardCheck check;
    check.readOnly = facts.known && facts.readOnly;
    check.warnings = cardWarnings(facts, files, model, language);
    check.englishWarnings = language == i18n::English
                                ? check.warnings
                                : cardWarnings(facts, files, model, i18n::English);
    return check;
}

} // namespace kestrova::fleet
