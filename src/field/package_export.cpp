#include "field/package_export.h"

#include "field/media_walk.h"

#include <QDateTime>

namespace kestrova::field {

std::optional<PackageResult> exportCardPackage(const CardReport& report,
                                               const PreparedReport& prepared,
                                               const QString& folder, const ReadProgress& reading) {
    if (const auto onCard = packageOnCard(folder, prepared.folder)) {
        PackageResult refused;
        refused.problem = *onCard;
        return refused;
    }
    CamtrapPackage package;
    if (const auto problem = package.open(folder)) {
        PackageResult failed;
        failed.problem = *problem;
        return failed;
    }
    const std::optional<plan::MenuDay>& schedule = prepared.basis.schedule;
    const std::vector<int>& times = prepared.basis.timeLapseTimes;
    const bool photos = !schedule || schedule->photosPerTrigger > 0;
    int read = 0;
    const bool whole = MediaWalk(prepared.folder).forEach([&](const MediaFacts& media) {
        package.addMedia(report.deployment.id, media, times, photos, prepared.basis.zone);
        if (++read % 64 == 0 && reading.progress)
            reading.progress(read);
        return !(reading.cancel && reading.cancel->load());
    });
    if (!whole)
        return std::nullopt;
    package.addDeployment(packageDeployment(report, !schedule || schedule->motion, !times.empty()));
    return package.commit(QDateTime::currentDateTimeUtc());
}

} // namespace kestrova::field
