#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <optional>

// One copy-data block as it travels between the input dialog and the estimate
// program over a local socket (docs/estimate-messages.md). All integers are
// little-endian.
//
//   block:  "CPDT" | dwData u64 | sender length u8 | cbData u32 | sender | data
//   answer: "CPAK" | result i64
namespace CopyData {

constexpr quint64 RecordKind = 1;        // dwData of this protocol's text records
constexpr qsizetype HeaderBytes = 17;    // magic, dwData, sender length, cbData
constexpr qsizetype MaxSenderBytes = 255;
constexpr quint32 MaxDataBytes = 65536;  // larger blocks are refused unread
constexpr qsizetype AnswerBytes = 12;
constexpr qsizetype MaxFrameBytes = HeaderBytes + MaxSenderBytes + MaxDataBytes;

// How long a sender waits for the answer, and how long a receiver keeps a
// connection on which no complete block arrives.
constexpr int AnswerTimeoutMs = 3000;
constexpr int IdleTimeoutMs = 10000;

} // namespace CopyData

struct CopyDataBlock {
    quint64 dwData = CopyData::RecordKind;
    QString sender;  // the socket name the sender listens on; empty when it does not
    QByteArray data; // cbData bytes

    // A text record: Shift-JIS with its terminating zero byte.
    static CopyDataBlock fromText(const QString& text, const QString& sender);
    // The text of the data, up to its first zero byte.
    QString text() const;

    bool operator==(const CopyDataBlock&) const = default;
};

// The bytes of one block on the wire. The sender name is cut to 255 bytes
// and the data must fit MaxDataBytes.
QByteArray EncodeCopyDataFrame(const CopyDataBlock& block);

enum class FrameStatus {
    Complete,   // `block` holds it; `used` bytes belong to it
    Incomplete, // the bytes so far begin a block; more must come
    Invalid,    // not a block of this protocol, or larger than allowed
};

struct ParsedFrame {
    FrameStatus status = FrameStatus::Incomplete;
    CopyDataBlock block;
    qsizetype used = 0;
};

// Reads one block from the start of `bytes`, never past the length its header
// gives; whatever follows is left for the next block.
ParsedFrame ParseCopyDataFrame(QByteArrayView bytes);

QByteArray EncodeCopyDataAnswer(qint64 result);
// The result of a complete answer at the start of `bytes`; nothing otherwise.
std::optional<qint64> ParseCopyDataAnswer(QByteArrayView bytes);
