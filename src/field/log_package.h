#pragma once

#include "field/camtrap_package.h"
#include "fleet/camtrap_export.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace kestrova::field {

// What became of a deployment log's package.
struct LogPackage {
    fleet::DeploymentsExport table; // the log's deployments, closed or not
    QStringList open;               // deployments whose card has not come back: left out
    // The log cannot make a package (it cannot be read, no deployment is closed): nothing was
    // written.
    std::optional<QString> refused;
    PackageResult result;
};

// The names of the files a package is made of, in its folder.
QStringList packageFileNames();

// A Camtrap DP 1.0.2 package in `folder` of the deployments a log closes, those whose card's
// return is logged: each with its end, its clock's issues and how it took its pictures. The
// media table has its header alone: the log holds no pictures (each card's own package does).
LogPackage exportLogPackage(const QByteArray& log, const QString& folder, const QDateTime& created);

} // namespace kestrova::field
