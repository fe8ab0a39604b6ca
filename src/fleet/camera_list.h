#pragma once

#include "fleet/csv_table.h"
#include "fleet/kit_files.h"
#include "i18n/wording.h"

#include <QList>
#include <QMap>
#include <QString>

#include <optional>

namespace kestrova::fleet {

// Far more than a cameras table of thousands of rows; a larger file is none.
constexpr qint64 camerasTableLimit = 16 * 1024 * 1024;

// The columns of the cameras table that are carried to the log as they are.
QStringList carriedColumns();

// One row of the cameras table: the camera, the values it gets instead of the kit's, and what
// the log carries of it.
struct Camera {
    int row = 0; // the table's row, the header being row 1
    QString id;
    QList<CameraValue> values;
    QMap<QString, QString> carried; // by column name; only the columns given a value
};

struct CameraList {
    QList<Camera> cameras;
    // A clause of its own: "it has no column ...", "row 4, column latitude: ...".
    std::optional<i18n::Wording> problem;
};

// The cameras table for a kit: a camera_id column, settings by their profile names (a section's
// name and a dot before one, "mms.status", for that section alone), "serial" as four
// characters, which switches the serial text on, and the carried columns. The header decides
// whether fields are separated by commas or semicolons; with semicolons, coordinates may have a
// decimal comma. The header, the camera ids and the carried values are checked here; an empty
// cell keeps the kit's value.
CameraList readCameraList(const QByteArray& csv, const Kit& kit);

// The ids and locations of the cameras a table names, for showing them before the table is
// checked in full; nothing where it cannot be read.
struct ListedCamera {
    QString id;
    QString location; // locationName, else locationID
};
QList<ListedCamera> listedCameras(const QByteArray& csv);

// Every camera's files made once, as they will be written: the first refusal with its row,
// camera, column and message, or nothing when every row makes its files. The message is the
// one the command that writes the file gives, or (`ownWords`, for a window) ours, which can be
// said in any language.
std::optional<i18n::Wording> checkCameras(const Kit& kit, const QList<Camera>& cameras,
                                          const RecordDefaults& defaults, bool ownWords = false);

// Why a time is not a deployment's start as the export needs it (a date and time with its UTC
// offset); nothing when it is one.
std::optional<i18n::Wording> deploymentStartProblem(const QString& value);

} // namespace kestrova::fleet
