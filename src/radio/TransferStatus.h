// What a screen reader is told while a radio transfer runs: a short text
// about where the transfer stands, given at each tenth of the way and at
// each change of phase (memory channels, CALL channels, VFOs, DTMF
// memories), and one about how it ended. The progress bar itself moves at
// every reply; saying all of them would drown the user.
#pragma once

#include "TransferEngine.h"

#include <QString>

enum class TTransferDirection { Read, Write };

namespace TransferStatus {

// The progress bar's end position.
constexpr int kProgressMaximum = 210;

// Where a transfer stands at progress position (0..210), e.g.
// "Reading memory channel 12 of 193" or "Writing DTMF memories".
QString ProgressText(TTransferDirection direction, int position);

// The text to announce when the progress moves from previous to position:
// ProgressText when a new tenth of the way or a new phase has been reached,
// else an empty string.
QString ProgressAnnouncement(TTransferDirection direction, int previous, int position);

// How a transfer ended: "Read complete.", "Write cancelled.", ...
QString OutcomeText(TTransferDirection direction, TTransferOutcome outcome);

} // namespace TransferStatus
