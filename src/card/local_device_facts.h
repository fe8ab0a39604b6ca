#pragma once

#include "card/device_facts.h"

namespace kestrova::card {

// Where the system keeps what it knows of its devices; tests point them at their own trees.
struct SystemTables {
    QString sys = QStringLiteral("/sys");
    QString udevData = QStringLiteral("/run/udev/data");
    bool bootSectors = true; // whether the devices themselves are read, where they can be
};

// What the system itself keeps of a device node, without asking any service: sysfs, udev's
// database (udisks2's own source), and the boot sector where the device can be read.
DeviceFacts localDeviceFacts(const QString& deviceNode, const SystemTables& tables = {});

} // namespace kestrova::card
