#pragma once

#include "support/process_runner.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

#include <optional>

namespace kestrova::test {

// A Camtrap DP package folder through both validators: every table by tableschema (with its
// required, enum and unique constraints) and datapackage.json by ajv against the profile. What
// they said where it does not pass, an empty text where it does; nothing where node or the
// validators are missing (scripts/install-deps installs them).
inline std::optional<QString> camtrapProblems(const QString& package, const QString& settings) {
    const QString data = QStringLiteral(KESTROVA_TEST_DATA);
    const QString tools = QStringLiteral(KESTROVA_TEST_SUPPORT "/../../tools");
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    if (node.isEmpty() ||
        !QFileInfo::exists(tools + QStringLiteral("/tableschema/node_modules/tableschema")) ||
        !QFileInfo::exists(tools + QStringLiteral("/ajv/node_modules/ajv-draft-04")))
        return std::nullopt;
    const QString schemas = data + QStringLiteral("/camtrap-dp");
    const ProcessResult tables = runProgram(
        node, {tools + QStringLiteral("/tableschema/validate-tables.js"), package, schemas},
        settings);
    if (tables.exitCode != 0)
        return package + u'\n' + tables.out + tables.err;
    const ProcessResult profile =
        runProgram(node,
                   {tools + QStringLiteral("/ajv/validate-profile.js"),
                    schemas + QStringLiteral("/camtrap-dp-profile.json"),
                    data + QStringLiteral("/frictionless/data-package.json"),
                    package + QStringLiteral("/datapackage.json")},
                   settings);
    return profile.exitCode == 0 ? QString() : package + u'\n' + profile.out + profile.err;
}

} // namespace kestrova::test
