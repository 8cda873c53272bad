#pragma once

#include "ShiftJis.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

// A text field of a price record: up to Capacity bytes of Shift-JIS. The raw
// bytes are kept as read, because Windows-31J does not decode and re-encode
// every byte sequence to itself; they are decoded only where shown.
template <int Capacity>
class ShortText {
public:
    static constexpr int capacity = Capacity;

    int size() const { return length_; }
    bool isEmpty() const { return length_ == 0; }
    const char* data() const { return bytes_.data(); }
    QByteArray bytes() const { return QByteArray(bytes_.data(), length_); }
    QString text() const { return ShiftJis::decode(bytes()); }

    // Longer input is cut to the capacity; the bytes after the text are zero.
    void setBytes(const char* data, int length)
    {
        length_ = static_cast<std::uint8_t>(std::clamp(length, 0, Capacity));
        bytes_.fill(0);
        // No copy of nothing: a null source is not allowed even for no bytes.
        if (length_ > 0)
            std::memcpy(bytes_.data(), data, length_);
    }
    void setBytes(const QByteArray& bytes) { setBytes(bytes.constData(), static_cast<int>(bytes.size())); }
    // Encodes the text, cut at a character boundary to fit.
    void setText(const QString& text) { setBytes(ShiftJis::encodeWithin(text, Capacity)); }
    void clear()
    {
        length_ = 0;
        bytes_.fill(0);
    }

    bool operator==(const ShortText&) const = default;

private:
    std::uint8_t length_ = 0;
    std::array<char, Capacity> bytes_{};
};
