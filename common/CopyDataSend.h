#pragma once

#include "CopyDataFrame.h"

enum class SendOutcome {
    Answered,   // the receiver has processed the block; `result` is its answer
    NoReceiver, // no window of that class is listening
    NoAnswer,   // it did not answer in time, or went away before answering
    TooLarge,   // the block exceeds the protocol's size; nothing was sent
};

struct SendResult {
    SendOutcome outcome = SendOutcome::NoReceiver;
    qint64 result = 0;
};

// Sends one block to the window listening under `windowClass` and waits for
// its answer, at most `timeoutMs`. While it waits, the calling thread's
// event loop runs for everything but user input, so that the window's own
// socket can still take (and answer) a block sent to it meanwhile.
SendResult SendCopyData(const QString& windowClass, const CopyDataBlock& block,
                        int timeoutMs = CopyData::AnswerTimeoutMs);
