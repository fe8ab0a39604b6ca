#include "app/camera_models.h"

namespace kestrova::app {

const QStringList& modelNames() {
    static const QStringList names{QStringLiteral("Kes LambdaM"),  QStringLiteral("Kes RhoM"),
                                   QStringLiteral("Kes LambdaMG"), QStringLiteral("Kes RhoMG"),
                                   QStringLiteral("Kes KappaMG"),  QStringLiteral("Kes OmegaMG"),
                                   QStringLiteral("Kes SigmaMG")};
    return names;
}

QString modelName(int model) {
    return model >= 1 && model <= modelNames().size() ? modelNames()[model - 1] : QString();
}

} // namespace kestrova::app
