#pragma once

#include "fleet/csv_table.h"
#include "fleet/kit_files.h"

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
    std::optional<QString> problem; // reads after "the cameras table FILE"
};

// The cameras table for a kit: a camera_id column, settings by their profile names (a section's
// name and a dot before one, "mms.status", for that section alone), "serial" as four
// characters, which switches the serial text on, and the carried columns. The header, the
// camera ids and the carried values are checked here; an empty cell keeps the kit's value.
CameraList readCameraList(const QByteArray& csv, const Kit& kit);

// Every camera's files made once, as they will be written: the first refusal with its row,
// camera, column and message, or nothing when every row makes its files.
std::optional<QString> checkCameras(const Kit& kit, const QList<Camera>& cameras,
                                    const RecordDefaults& defaults);

} // namespace kestrova::fleet
