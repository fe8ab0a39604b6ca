#pragma once

#include "camera/camera_settings.h"
#include "camera/menu_profile.h"
#include "fleet/kit.h"
#include "mms/mms_profile.h"
#include "model/camera_model.h"

#include <QJsonObject>

namespace kestrova::test {

// A kit of model 7's opening values: its camera menu, and its MMS settings with a recipient.
inline fleet::Kit openingKit() {
    const CameraModel& model = cameraModel(7);
    fleet::Kit kit{QStringLiteral("North grid"), 7, {}};
    QJsonObject menu = camera::menuProfileObject(camera::CameraSettings::atOpen(model.cameraForm),
                                                 model.cameraForm, 7);
    menu[QStringLiteral("kind")] = QStringLiteral("menu");
    kit.section(fleet::KitPart::Menu) = menu;
    kit.section(fleet::KitPart::Mms) =
        QJsonObject{{QStringLiteral("kind"), QStringLiteral("mms")},
                    {QStringLiteral("phone1"), QStringLiteral("07700900123")}};
    return kit;
}

// The e-mail section model 7 opens with, with a mail server and the accounts filled in.
inline QJsonObject openingSmtp() {
    return QJsonObject{{QStringLiteral("kind"), QStringLiteral("smtp")},
                       {QStringLiteral("server"), QStringLiteral("smtp.example.com")},
                       {QStringLiteral("port"), QStringLiteral("587")},
                       {QStringLiteral("sender"), QStringLiteral("cam@example.com")},
                       {QStringLiteral("sender_password"), QStringLiteral("secret")},
                       {QStringLiteral("recipient"), QStringLiteral("me@example.com")}};
}

} // namespace kestrova::test
