#include "fleet/plain_summary.h"

#include "model/camera_model.h"
#include "plan/card_facts.h"
#include "plan/replaced_file.h"

namespace kestrova::fleet {

QString plainSummary(const std::vector<PreparedFile>& files, int model) {
    const CameraModel& camera = cameraModel(model);
    plan::PlanInputs inputs;
    inputs.tellClock = false;
    inputs.nameRecipients = false;
    // The card gets the kit's files together: each is summed up beside the others.
    std::optional<QByteArray> parts[3];
    for (const PreparedFile& file : files)
        parts[static_cast<std::size_t>(file.part)] = file.bytes;
    inputs.files = plan::cardFilesOf(parts[static_cast<std::size_t>(KitPart::Menu)],
                                     parts[static_cast<std::size_t>(KitPart::Mms)],
                                     parts[static_cast<std::size_t>(KitPart::Smtp)], model);
    QStringList sentences;
    for (const PreparedFile& file : files) {
        switch (file.part) {
        case KitPart::Menu:
            if (const auto read = plan::readMenuFile(file.bytes, camera.cameraForm, model);
                read.state == plan::ReplacedFile::Readable)
                sentences << plan::summarizeMenu(read.facts, inputs).sentences;
            break;
        case KitPart::Mms:
            if (const auto read = plan::readMmsFile(file.bytes, camera.mmsForm, model);
                read.state == plan::ReplacedFile::Readable)
                sentences << plan::summarizeMms(read.facts, inputs).sentences;
            break;
        case KitPart::Smtp:
            if (const auto read = plan::readSmtpFile(file.bytes, camera.smtpForm, model);
                read.state == plan::ReplacedFile::Readable)
                sentences << plan::summarizeSmtp(read.facts, inputs).sentences;
            break;
        }
    }
    return sentences.join(u' ');
}

} // namespace kestrova::fleet
