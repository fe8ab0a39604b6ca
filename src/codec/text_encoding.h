#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kestrova {

// What the user types goes to the camera in code page 936 (GBK), the narrow code page the
// camera's firmware reads.
struct Cp936Text {
    QByteArray bytes;
    // Position in the QString (UTF-16 units) of the first character that has no GBK code, and
    // that character; -1 and empty when the whole text was encoded.
    qsizetype failedAt = -1;
    QString failedCharacter;

    bool ok() const { return failedAt < 0; }
};

// Encodes a text in GBK. A character without a GBK code makes the result fail: a camera
// setting must never silently hold '?' where the user typed something else. ASCII is encoded
// directly, so it works even where the system lacks the GBK converter.
Cp936Text encodeCp936(const QString& text);

// Whether this system converts between Unicode and GBK (Qt needs ICU for it; Windows has it).
bool cp936Available();

struct Cp936Decoded {
    QString text;
    bool valid = true; // false when a byte sequence is not GBK (shown as U+FFFD)
};

// Reads GBK bytes back, for inspecting files taken from a card.
Cp936Decoded decodeCp936(QByteArrayView bytes);

} // namespace kestrova
