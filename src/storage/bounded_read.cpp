#include "storage/bounded_read.h"

namespace kestrova::storage {

QString BoundedRead::sizeText() const {
    return sizeKnown ? QStringLiteral("%1 bytes").arg(size)
                     : QStringLiteral("more than %1 bytes").arg(size);
}

BoundedRead BoundedRead::failed(Status status, const QString& reason) {
    BoundedRead result;
    result.status = status;
    result.reason = reason;
    return result;
}

BoundedRead BoundedRead::notRegular(const QString& kind) {
    return failed(Status::NotRegular, QStringLiteral("not a regular file (%1)").arg(kind));
}

BoundedRead BoundedRead::tooLarge(qint64 size, bool sizeKnown) {
    BoundedRead result;
    result.status = Status::TooLarge;
    result.size = sizeKnown ? size : size - 1;
    result.sizeKnown = sizeKnown;
    return result;
}

BoundedRead BoundedRead::whole(QByteArray bytes, qint64 limit) {
    // One byte past the limit tells a file that grew since its size was asked, or one whose
    // size the system does not give.
    if (bytes.size() > limit)
        return tooLarge(bytes.size(), false);
    BoundedRead result;
    result.status = Status::Ok;
    result.size = bytes.size();
    result.bytes = std::move(bytes);
    return result;
}

} // namespace kestrova::storage
