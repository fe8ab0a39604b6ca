#pragma once

#include "field/media_header.h"

namespace kestrova::test {

// Bytes in memory as a reader asks for them, counting what it reads.
class CountingSource final : public field::ByteSource {
public:
    explicit CountingSource(const QByteArray& bytes)
        : bytes_(bytes) {}
    qint64 size() const override { return bytes_.size(); }
    QByteArray read(qint64 offset, qint64 length) override {
        const QByteArray part = bytes_.mid(offset, length);
        read_ += part.size();
        return part;
    }
    qint64 bytesRead() const { return read_; }

private:
    const QByteArray& bytes_;
    qint64 read_ = 0;
};

} // namespace kestrova::test
