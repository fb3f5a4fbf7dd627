#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// The one reader and writer of the program's text files: code page 932, CR LF.

// Whether every character of the text survives a round trip through code page 932.
bool Is_Cp932_Representable(const QString& text);

// Encodes to code page 932; *ok (when given) tells whether every character was held.
QByteArray Encode_Cp932(const QString& text, bool* ok = nullptr);
// Decodes code page 932 bytes; undecodable bytes become a substitute character
// (U+001A, or U+FFFD for a sequence cut off at the end), never nothing.
QString Decode_Cp932(const QByteArray& bytes);

struct Text_Lines_Result {
    bool ok = false;
    QStringList lines;
    QString error;
};

// Reads and decodes a whole file, split at CR LF or LF; a final line end adds no empty
// line. A file larger than max_bytes is refused.
Text_Lines_Result Read_Text_Lines(const QString& path, qint64 max_bytes = 64 * 1024 * 1024);

// Writes every line followed by CR LF, atomically (the old file stays intact on any
// failure). Returns "" on success, else what failed.
QString Write_Text_Lines(const QString& path, const QStringList& lines);
