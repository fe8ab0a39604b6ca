#include "fleet/plain_summary.h"

#include "model/camera_model.h"
#include "plan/replaced_file.h"

namespace kestrova::fleet {

QString plainSummary(const std::vector<PreparedFile>& files, int model) {
    const CameraModel& camera = cameraModel(model);
    plan::PlanInputs inputs;
    inputs.tellClock = false;
    inputs.nameRecipients = false;
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
