#pragma once

#include <QString>

namespace kestrova::smtp {

// The shortest texts the camera can work with, in bytes.
inline constexpr int shortestText = 2;
inline constexpr int shortestPhone = 5;

// Length of a text in code page 936, as the camera counts it: one byte for ASCII, two for every
// other character (one the code page lacks counts as two as well; the record refuses it later).
int cp936Length(const QString& text);

// Whether the port is a whole number the camera can connect to: digits only, 1..65535.
bool isPortNumber(const QString& port);

// The check that follows Generate's twelve: a port the camera could never connect to.
inline constexpr int portNumberStep = 13;

} // namespace kestrova::smtp
