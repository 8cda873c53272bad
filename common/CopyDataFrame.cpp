#include "CopyDataFrame.h"

#include "ShiftJis.h"

#include <QtEndian>

namespace {

constexpr char BlockMagic[4] = {'C', 'P', 'D', 'T'};
constexpr char AnswerMagic[4] = {'C', 'P', 'A', 'K'};

template <typename T>
void Append(QByteArray& bytes, T value)
{
    char raw[sizeof(T)];
    qToLittleEndian(value, raw);
    bytes.append(raw, sizeof(T));
}

template <typename T>
T Read(QByteArrayView bytes, qsizetype offset)
{
    return qFromLittleEndian<T>(bytes.data() + offset);
}

bool StartsWith(QByteArrayView bytes, const char (&magic)[4])
{
    return bytes.size() >= 4 && bytes.first(4) == QByteArrayView(magic, 4);
}

} // namespace

CopyDataBlock CopyDataBlock::fromText(const QString& text, const QString& sender)
{
    CopyDataBlock block;
    block.sender = sender;
    block.data = ShiftJis::encode(text) + '\0';
    return block;
}

QString CopyDataBlock::text() const
{
    const qsizetype end = data.indexOf('\0');
    return ShiftJis::decode(end < 0 ? data : data.left(end));
}

QByteArray EncodeCopyDataFrame(const CopyDataBlock& block)
{
    Q_ASSERT(block.data.size() <= qsizetype(CopyData::MaxDataBytes));
    const QByteArray sender = block.sender.toUtf8().left(CopyData::MaxSenderBytes);
    QByteArray bytes;
    bytes.reserve(CopyData::HeaderBytes + sender.size() + block.data.size());
    bytes.append(BlockMagic, 4);
    Append<quint64>(bytes, block.dwData);
    Append<quint8>(bytes, quint8(sender.size()));
    Append<quint32>(bytes, quint32(block.data.size()));
    bytes += sender;
    bytes += block.data;
    return bytes;
}

ParsedFrame ParseCopyDataFrame(QByteArrayView bytes)
{
    ParsedFrame parsed;
    // A wrong start is refused as soon as it shows, without waiting for more.
    if (!StartsWith(bytes, BlockMagic)) {
        const qsizetype known = std::min<qsizetype>(bytes.size(), 4);
        if (bytes.first(known) != QByteArrayView(BlockMagic, known))
            parsed.status = FrameStatus::Invalid;
        return parsed;
    }
    if (bytes.size() < CopyData::HeaderBytes)
        return parsed;
    const quint64 dwData = Read<quint64>(bytes, 4);
    const qsizetype senderBytes = Read<quint8>(bytes, 12);
    const quint32 cbData = Read<quint32>(bytes, 13);
    if (cbData > CopyData::MaxDataBytes) {
        parsed.status = FrameStatus::Invalid;
        return parsed;
    }
    const qsizetype total = CopyData::HeaderBytes + senderBytes + qsizetype(cbData);
    if (bytes.size() < total)
        return parsed;
    parsed.status = FrameStatus::Complete;
    parsed.used = total;
    parsed.block.dwData = dwData;
    parsed.block.sender = QString::fromUtf8(bytes.sliced(CopyData::HeaderBytes, senderBytes));
    parsed.block.data = bytes.sliced(CopyData::HeaderBytes + senderBytes, cbData).toByteArray();
    return parsed;
}

QByteArray EncodeCopyDataAnswer(qint64 result)
{
    QByteArray bytes(AnswerMagic, 4);
    Append<qint64>(bytes, result);
    return bytes;
}

std::optional<qint64> ParseCopyDataAnswer(QByteArrayView bytes)
{
    if (bytes.size() < CopyData::AnswerBytes || !StartsWith(bytes, AnswerMagic))
        return std::nullopt;
    return Read<qint64>(bytes, 4);
}
