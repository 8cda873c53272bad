#pragma once

#include <QByteArray>
#include <QtEndian>
#include <cstdint>

// Writes fields into a record's bytes by offset, independently of the codec,
// so that the tests pin the layout itself.
struct RecordBytes {
    QByteArray bytes = QByteArray(360, '\0');

    RecordBytes& i32(int offset, std::int32_t v)
    {
        qToLittleEndian(v, bytes.data() + offset);
        return *this;
    }
    RecordBytes& i64(int offset, std::int64_t v)
    {
        qToLittleEndian(v, bytes.data() + offset);
        return *this;
    }
    RecordBytes& text(int offset, const QByteArray& sjis, int lengthByte = -1)
    {
        bytes[offset] = static_cast<char>(lengthByte < 0 ? sjis.size() : lengthByte);
        bytes.replace(offset + 1, sjis.size(), sjis);
        return *this;
    }
    std::int64_t getI64(int offset) const { return qFromLittleEndian<std::int64_t>(bytes.constData() + offset); }
};
