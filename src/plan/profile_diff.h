#pragma once

#include <QJsonObject>
#include <QStringList>

namespace kestrova::plan {

// The settings two profiles hold differently, in the order of `names`, as "name: a -> b"; a
// setting one of them lacks reads "(none)" there, and a password that differs "(changed)".
QStringList profileDifferences(const QJsonObject& a, const QJsonObject& b,
                               const QStringList& names);

} // namespace kestrova::plan
