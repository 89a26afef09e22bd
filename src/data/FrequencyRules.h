// Frequency, offset and name entry rules shared by the editors, the lists,
// the clipboard commands and the listing.
#pragma once

#include <QString>

class TChannelDocument;

// Field text (MHz, at most one '.') -> 9-digit Hz text. False on two or more '.'.
bool NormalizeFrequencyText(QString &text);
// Band 0..4 of a text whose first three characters are the MHz hundreds,
// tens and units. Follows the document's radio type.
int BandOfFrequency(const TChannelDocument &doc, const QString &text);
// Clamps a normalized frequency to the band's limits and rounds it down to
// the step of list position stepPos (which may be forced on the 800 MHz
// band). The text becomes the value in Hz without leading zeros. Returns
// true when the frequency was moved.
bool ClampAndRoundFrequency(const TChannelDocument &doc, QString &freq, int band, int &stepPos);
// ClampAndRoundFrequency, except that a frequency inside the band's limits
// that lies on no multiple of the step goes to the nearer of its two
// neighbours (the lower one on a tie, and wherever the upper one would
// leave the band or enter a range the radio does not use), not always to
// the lower one. Frequencies are entered to be received and transmitted
// on: a rounding moves them as little as it can.
bool ClampAndRoundToNearest(const TChannelDocument &doc, QString &freq, int band, int &stepPos);
// Whether ClampAndRoundFrequency forces the step position in the band
// (the 800 MHz band of a radio type that has it).
bool BandForcesStep(const TChannelDocument &doc, int band);
// Lower and upper whole MHz that ClampAndRoundFrequency holds a band to.
void BandLimitsMHz(const TChannelDocument &doc, int band, int &lower, int &upper);
// 11-digit record frequency -> display text ("00145000000" -> "145.000").
QString FormatFrequency(const QString &record);
// Offset field text -> 8-digit Hz text. False on two or more '.'.
bool NormalizeOffsetText(QString &text);
// 9-digit record offset -> display text ("000600000" -> "0.60").
QString FormatOffset(const QString &record);
bool IsValidMemoryName(const QString &name);
// A name as the editors' name box takes typed letters: a..z in capitals;
// every other character stays as it is, for IsValidMemoryName to judge
// (no other letter becomes one of A..Z).
QString MemoryNameInCapitals(const QString &text);

// Whether the step of list position pos holds both frequencies (Hz).
bool StepHoldsFrequencies(int pos, qint64 rxHz, qint64 txHz);
// The step of a new channel: preferred when it holds the receive frequency
// and the transmit frequency of a split channel (else pass the receive
// frequency twice), else the largest offered step that holds both, else
// preferred. A frequency keeps its place rather than a step.
int StepForFrequencies(int preferred, qint64 rxHz, qint64 txHz);

// Step list position <-> record step code.
int StepListPosOfCode(const QString &code); // "8" -> 7; "7", "9", empty/bad -> -1
QString StepCodeOfListPos(int pos);         // 7 -> "8"
// Tone list position <-> two-digit record tone code.
int ToneListPosOfCode(const QString &code); // empty -> 7 (88.5Hz)
QString ToneCodeOfListPos(int pos);         // 0 -> "01", 1 -> "03"

// Defaults the editors show for empty fields, by band index 0..4.
QString BandDefaultFrequency(const TChannelDocument &doc, int band);
int BandDefaultStep(const TChannelDocument &doc, int band);
QString BandDefaultOffset(int band); // "0.60" or "5.00"
