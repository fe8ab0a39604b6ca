#include "field/log_package.h"

namespace kestrova::field {

QStringList packageFileNames() {
    return {QStringLiteral("datapackage.json"), QStringLiteral("deployments.csv"),
            QStringLiteral("media.csv"), QStringLiteral("observations.csv")};
}

LogPackage exportLogPackage(const QByteArray& log, const QString& folder,
                            const QDateTime& created) {
    LogPackage made;
    made.table = fleet::exportDeployments(log);
    if (made.table.problem) {
        made.refused = made.table.problem;
        return made;
    }
    std::vector<PackageDeployment> closed;
    for (const fleet::ExportedDeployment& deployment : std::as_const(made.table.deploymentRows)) {
        const QString id = deployment.columns.value(QStringLiteral("deploymentID"));
        if (!deployment.closed) {
            made.open << id;
            continue;
        }
        PackageDeployment each;
        each.columns = deployment.columns;
        each.captureMethods = deployment.captureMethods.isEmpty() ? captureMethods(true, false)
                                                                  : deployment.captureMethods;
        each.projectTitle = deployment.kitName.isEmpty() ? id : deployment.kitName;
        closed.push_back(std::move(each));
    }
    if (closed.empty()) {
        made.refused = QStringLiteral("none of its deployments is closed yet: a card's return is "
                                      "logged by kestrova report CARD --log LOG.csv");
        return made;
    }
    CamtrapPackage package;
    if (const auto problem = package.open(folder)) {
        made.result.problem = problem;
        return made;
    }
    for (PackageDeployment& deployment : closed)
        package.addDeployment(std::move(deployment));
    made.result = package.commit(created);
    return made;
}

} // namespace kestrova::field
