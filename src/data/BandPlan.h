// Band plan, value tables and default records of the radio variants.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class TChannelDocument;

// Band codes (field 0 of a VFO record) by band index 0..4: "1","2","5","6","8".
QString BandCode(int band);
// Band index of a band code character ('1'->0, '2'->1, '5'->2, '6'->3, '8'->4), -1 otherwise.
int BandOfCode(QChar code);
// List label of a band under the document's radio type: "118MHz", "144MHz",
// "300MHz", "430MHz"/"440MHz", "800MHz".
QString BandLabel(const TChannelDocument &doc, int band);
// Whether the radio type has the band (bands 1 and 3 always).
bool BandPresent(const TChannelDocument &doc, int band);
// Bands of the VFO list rows, top to bottom: every band the radio type has.
QList<int> VfoListBands(const TChannelDocument &doc);
// Default band limit record of a band ("00118,00135", ...).
QString DefaultBandLimit(int band);

// Tone table: 39 texts, code c (1..39) is ToneText(c): "67.0Hz".."250.3Hz".
// Any other code gives an empty text.
QString ToneText(int code);
// Tone text of a record tone code field: "09" -> "88.5Hz"; an empty field
// counts as code 9; any other text that is not a code 1..39 gives "".
QString ToneTextOfCode(const QString &codeField);
// Editors' tone list: 38 texts (the table without "69.4Hz").
QStringList EditorToneTexts();

// Step table by code 0..9: "5kHz".."100kHz"; any other code gives "".
QString StepText(int code);
QString StepTextOfCode(const QString &codeField); // "8" -> "50kHz"; bad -> ""
// Editors' step list: 8 texts by list position, and step size in Hz.
constexpr int kEditorStepCount = 8;
QStringList EditorStepTexts();
int StepSizeHz(int listPosition); // 0 for a bad position

// Output power texts by code 0..3: "High","Mid","Low","EL".
QString PowerText(int code);

// Writes the default records of the current radio type into the document.
void ApplyDefaultRecords(TChannelDocument &doc);

QString DefaultVhfFrequency(const TChannelDocument &doc); // "145.000" / "144.000"
QString DefaultUhfFrequency(const TChannelDocument &doc);
QString Default800Frequency(const TChannelDocument &doc);
int DefaultVhfStep(const TChannelDocument &doc); // editor list position
int DefaultUhfStep(const TChannelDocument &doc);
