#pragma once

#include "fleet/csv_table.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace kestrova::fleet {

// The columns of a Camtrap DP 1.0 deployments table, in their order.
QStringList deploymentColumns();

// "Kes SigmaMG" is Kestrova's SigmaMG: the table names a camera as maker-model.
QString cameraModelName(const QString& model);

// What goes into a deployment's comments: the cameras table's own comments, then what the camera
// will do with its settings in plain words (the kit's name where the log has no such summary).
QString deploymentComment(const QString& summary, const QString& kitName, const QString& comments);

struct DeploymentsExport {
    QByteArray csv;
    // Each required column some deployment leaves empty, with the deployments ("every
    // deployment", or their ids): what the log does not know.
    QStringList emptyRequired;
    int deployments = 0;
    std::optional<QString> problem; // the log cannot be read: reads after "the log FILE"
};

// The deployments of a log: one for each camera's card written in full, the last one where a
// camera got its card twice on one day.
DeploymentsExport exportDeployments(const QByteArray& log);

} // namespace kestrova::fleet
