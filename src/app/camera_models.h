#pragma once

#include <QStringList>

namespace kestrova::app {

// The seven camera models in the order of the main window's model list (row = model - 1).
const QStringList& modelNames();

// The model's name, or an empty text for a number outside 1..7.
QString modelName(int model);

} // namespace kestrova::app
