// The ".381" data file: comment and records, tab-separated, CR LF lines.
#pragma once

#include <QByteArray>
#include <QString>

class TChannelDocument;

// Longest comment that can be typed into the comment box; a file may hold a
// longer one, which is read and written whole.
constexpr int kCommentCapacity = 50;

// Serializes the document and comment (Latin-1 bytes).
QByteArray WriteDataFile(const TChannelDocument &doc, const QString &comment);
// Loads file content into the document (the caller has reset it). The
// comment line is returned through *comment whole (NUL bytes dropped). Returns true when the content has a MEMORY section line,
// i.e. when it is a data file at all.
bool ReadDataFile(const QByteArray &content, TChannelDocument &doc, QString *comment);

// Writes content to path through a temporary file in the same folder that
// replaces the target only once every byte is written, so a failed write
// never destroys the file that was there. An existing target that is not a
// writable regular file is refused. Returns false on any failure.
bool SaveFileAtomically(const QString &path, const QByteArray &content);
