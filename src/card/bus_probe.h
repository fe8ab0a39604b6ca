#pragma once

#include <QString>

namespace kestrova::card {

// The system bus's address: DBUS_SYSTEM_BUS_ADDRESS, else the standard socket.
QString systemBusAddress();

// Whether the D-Bus daemon at `address` answers the first step of a connection within
// `waitMs`. A daemon that stopped still takes connections but never answers; Qt's own
// connection would wait 25 seconds for it and hold up every D-Bus call of the process
// meanwhile. An address this cannot try (not a local socket) counts as answering.
bool busAnswers(const QString& address, int waitMs);

} // namespace kestrova::card
