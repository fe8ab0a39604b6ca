#pragma once

#include "res/dialog_template.h"

namespace kestrova::res {

// Resource numbers of the many-cards window.
namespace many_cards {
constexpr int templateId = 160;
constexpr int kitLabel = 1600;
constexpr int kitField = 1601;
constexpr int kitBrowse = 1602;
constexpr int camerasLabel = 1603;
constexpr int camerasField = 1604;
constexpr int camerasBrowse = 1605;
constexpr int logLabel = 1606;
constexpr int logField = 1607;
constexpr int logBrowse = 1608;
constexpr int setupByLabel = 1609;
constexpr int setupByField = 1610;
constexpr int status = 1611;
constexpr int camerasTableLabel = 1612;
constexpr int camerasTable = 1613;
constexpr int start = 1614;
constexpr int stop = 1615;
constexpr int close = 1616;
constexpr int setUpAtLabel = 1617;
constexpr int setUpAtField = 1618;
constexpr int modeLabel = 1619;
constexpr int modeList = 1620; // cards to set up, or cards returned from the field

// The columns of the cameras table.
enum Column { CameraColumn, LocationColumn, CardColumn, StateColumn, ColumnCount };
} // namespace many_cards

const dialog::DialogTemplate& manyCardsTemplate();

} // namespace kestrova::res
