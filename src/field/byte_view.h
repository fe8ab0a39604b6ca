#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <string_view>

namespace kestrova::field {

// Bytes read from a file, every read checked against what is there: a number or a text that
// would run past the end is nothing, never a read beyond the buffer. Offsets are 64-bit, so no
// offset or length a file states can wrap around.
class ByteView {
public:
    ByteView() = default;
    ByteView(const char* data, qint64 size)
        : data_(data)
        , size_(size < 0 ? 0 : size) {}
    explicit ByteView(const QByteArray& bytes)
        : ByteView(bytes.constData(), bytes.size()) {}

    qint64 size() const { return size_; }
    bool holds(qint64 at, qint64 length) const {
        return at >= 0 && length >= 0 && at <= size_ && length <= size_ - at;
    }

    // The bytes from `at` on, at most `length` of them: what is there of them.
    ByteView part(qint64 at, qint64 length) const {
        if (at < 0 || at >= size_ || length <= 0)
            return {};
        return {data_ + at, length < size_ - at ? length : size_ - at};
    }

    std::optional<std::uint8_t> u8(qint64 at) const {
        if (!holds(at, 1))
            return std::nullopt;
        return static_cast<std::uint8_t>(data_[at]);
    }
    std::optional<std::uint16_t> u16(qint64 at, bool bigEndian) const {
        return number<std::uint16_t>(at, 2, bigEndian);
    }
    std::optional<std::uint32_t> u32(qint64 at, bool bigEndian) const {
        return number<std::uint32_t>(at, 4, bigEndian);
    }
    std::optional<std::uint64_t> u64(qint64 at, bool bigEndian) const {
        return number<std::uint64_t>(at, 8, bigEndian);
    }

    bool startsWith(qint64 at, std::string_view text) const {
        const auto length = static_cast<qint64>(text.size());
        return holds(at, length) && std::string_view(data_ + at, text.size()) == text;
    }

    // The bytes [at, at + length), or nothing where they are not all there.
    std::optional<QByteArray> bytes(qint64 at, qint64 length) const {
        if (!holds(at, length))
            return std::nullopt;
        return QByteArray(data_ + at, static_cast<qsizetype>(length));
    }

private:
    template <typename T> std::optional<T> number(qint64 at, int width, bool bigEndian) const {
        if (!holds(at, width))
            return std::nullopt;
        T value = 0;
        for (int i = 0; i < width; ++i) {
            const auto byte =
                static_cast<std::uint8_t>(data_[at + (bigEndian ? i : width - 1 - i)]);
            value = static_cast<T>((value << 8) | byte);
        }
        return value;
    }

    const char* data_ = nullptr;
    qint64 size_ = 0;
};

} // namespace kestrova::field
