#pragma once

#include "codec/text_encoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <memory>

namespace kestrova {

// The system's converter between Unicode and code page 936 (GBK): Qt's, through ICU, on Linux
// and macOS (cp936_converter_posix.cpp); the code page Windows itself has, on Windows, whose Qt
// comes without ICU (cp936_converter_win32.cpp). Both are the same table, windows-936-2000.
class Cp936Converter {
public:
    Cp936Converter();
    ~Cp936Converter();
    Cp936Converter(const Cp936Converter&) = delete;
    Cp936Converter& operator=(const Cp936Converter&) = delete;

    // Whether this system converts at all.
    static bool available();

    // The GBK code of one character (a surrogate pair counts as one); empty when it has none.
    QByteArray encode(QStringView character);

    Cp936Decoded decode(QByteArrayView bytes);

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace kestrova
