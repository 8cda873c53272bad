// The bytes a connection to the input dialog brings, of any kind: block after
// block is read as the dialog's receiver reads them. A block never reaches
// past its header's length, bytes that are still incomplete never exceed the
// largest block (the receiver would wait for ever), a complete block written
// again is the same bytes, and its command is read from its text.
#include "FuzzSupport.h"

#include "CopyDataFrame.h"
#include "EstimateMessages.h"

namespace {

void CheckComplete(QByteArrayView bytes, const ParsedFrame& frame)
{
    const qsizetype senderBytes = static_cast<quint8>(bytes[12]);
    FUZZ_CHECK(frame.used == CopyData::HeaderBytes + senderBytes + frame.block.data.size());
    FUZZ_CHECK(frame.used <= bytes.size() && frame.block.data.size() <= qsizetype(CopyData::MaxDataBytes));
    // A sender name that is valid UTF-8 comes back byte for byte.
    if (frame.block.sender.toUtf8() == bytes.sliced(CopyData::HeaderBytes, senderBytes))
        FUZZ_CHECK(EncodeCopyDataFrame(frame.block) == bytes.first(frame.used));
    // Every shorter start of the block waits for the rest.
    for (const qsizetype n : {qsizetype(0), qsizetype(4), CopyData::HeaderBytes - 1, CopyData::HeaderBytes, frame.used - 1}) {
        if (n >= 0 && n < frame.used)
            FUZZ_CHECK(ParseCopyDataFrame(bytes.first(n)).status == FrameStatus::Incomplete);
    }
    IncomingCommand(frame.block);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArrayView rest(data, static_cast<qsizetype>(size));
    for (;;) {
        const ParsedFrame frame = ParseCopyDataFrame(rest);
        if (frame.status == FrameStatus::Invalid)
            break;
        if (frame.status == FrameStatus::Incomplete) {
            FUZZ_CHECK(rest.size() < CopyData::MaxFrameBytes);
            break;
        }
        CheckComplete(rest, frame);
        rest = rest.sliced(frame.used);
    }

    const QByteArrayView whole(data, static_cast<qsizetype>(size));
    if (const std::optional<qint64> answer = ParseCopyDataAnswer(whole))
        FUZZ_CHECK(EncodeCopyDataAnswer(*answer) == whole.first(CopyData::AnswerBytes));
    return 0;
}
