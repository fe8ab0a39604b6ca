#include "app/camera_models.h"

#include "model/camera_model.h"

namespace kestrova::app {

const QStringList& modelNames() {
    static const QStringList names = kestrova::modelNames();
    return names;
}

QString modelName(int model) {
    return isValidModel(model) ? cameraModel(model).nameText() : QString();
}

} // namespace kestrova::app
