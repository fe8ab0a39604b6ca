#pragma once

#include "camera/camera_settings.h"
#include "common/range_check.h"

#include <QStringList>

#include <string_view>
#include <vector>

namespace kestrova::camera {

// Every setting the menu record carries, by the name the command line and profiles use.
struct CameraSettingInfo {
    enum Kind { List, Integer };

    std::string_view name;
    int CameraSettings::*member;
    Kind kind;
    IntRange range;             // Integer settings
    std::string_view optionKey; // List settings: the key of its option list
    bool onFormA = true;
    bool onFormB = true;
    bool onFormC = true;

    bool onForm(CameraForm form) const;
};

const std::vector<CameraSettingInfo>& cameraSettingTable();
const CameraSettingInfo* findCameraSetting(std::string_view name);

// The English entries of a list setting as the form of this model shows them.
QStringList englishEntries(const CameraSettingInfo& setting, CameraForm form, int model);

} // namespace kestrova::camera
