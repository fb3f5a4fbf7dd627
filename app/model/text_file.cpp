#include "model/text_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {

constexpr const char* cp932_name = "windows-31j";

// The encoder reports characters it cannot map; the decoding back also catches the
// characters the table maps one way only.
QByteArray Encode(const QString& text, bool* representable)
{
    QStringEncoder encoder(cp932_name);
    QByteArray bytes = encoder.encode(text);
    if (representable) *representable = !encoder.hasError() && Decode_Cp932(bytes) == text;
    return bytes;
}

// The first character (a whole surrogate pair counts as one) that code page 932 cannot hold.
QString First_Unrepresentable(const QString& text)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!Is_Cp932_Representable(character)) return character;
        i += length;
    }
    return {};
}

QString Code_Point_Text(const QString& character)
{
    if (character.isEmpty()) return QStringLiteral("unknown");
    const char32_t code = character.size() == 2 && character[0].isHighSurrogate()
                              ? QChar::surrogateToUcs4(character[0], character[1])
                              : character[0].unicode();
    return QStringLiteral("U+") + QString::number(static_cast<uint>(code), 16).toUpper().rightJustified(4, u'0');
}

} // namespace

bool Is_Cp932_Representable(const QString& text)
{
    bool representable = false;
    Encode(text, &representable);
    return representable;
}

QByteArray Encode_Cp932(const QString& text, bool* ok)
{
    return Encode(text, ok);
}

QString Decode_Cp932(const QByteArray& bytes)
{
    // The converter keeps a lead byte left alone at the end for a next call that never
    // comes; a line feed after the bytes makes it give a substitute character instead.
    QStringDecoder decoder(cp932_name);
    QString text = decoder.decode(bytes + '\n');
    if (text.endsWith(u'\n')) text.chop(1);
    return text;
}

Text_Lines_Result Read_Text_Lines(const QString& path, qint64 max_bytes)
{
    Text_Lines_Result result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("Cannot open \"%1\" for reading: %2").arg(path, file.errorString());
        return result;
    }
    const qint64 limit = std::max<qint64>(max_bytes, 0);
    const QString too_large = QStringLiteral("Cannot read \"%1\": the file is larger than %2 bytes").arg(path).arg(limit);
    if (file.size() > limit) {
        result.error = too_large;
        return result;
    }
    // Read in pieces up to one byte past the limit: that tells a too large file even
    // where the size is unknown, without asking for the whole limit at once.
    QByteArray bytes;
    while (bytes.size() <= limit) {
        const QByteArray piece = file.read(std::min<qint64>(1 << 20, limit + 1 - bytes.size()));
        if (piece.isEmpty()) break;
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError) {
        result.error = QStringLiteral("Cannot read \"%1\": %2").arg(path, file.errorString());
        return result;
    }
    if (bytes.size() > limit) {
        result.error = too_large;
        return result;
    }
    QStringList lines = Decode_Cp932(bytes).split(u'\n');
    // The last piece is what follows the final line end: nothing for a complete file.
    if (lines.last().isEmpty()) lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(u'\r')) line.chop(1);
    }
    result.lines = std::move(lines);
    result.ok = true;
    return result;
}

QString Write_Text_Lines(const QString& path, const QStringList& lines)
{
    for (qsizetype n = 0; n < lines.size(); ++n) {
        if (lines[n].contains(u'\n')) {
            return QStringLiteral("Cannot write \"%1\": line %2 holds a line break").arg(path).arg(n + 1);
        }
    }
    // One conversion for the whole file; only a refusal looks for the line to name.
    QString text = lines.join(QStringLiteral("\r\n"));
    if (!lines.isEmpty()) text += QStringLiteral("\r\n");
    bool representable = false;
    const QByteArray bytes = Encode(text, &representable);
    if (!representable) {
        for (qsizetype n = 0; n < lines.size(); ++n) {
            const QString character = First_Unrepresentable(lines[n]);
            if (!character.isEmpty()) {
                return QStringLiteral("Cannot write \"%1\": line %2 holds a character that code page 932 cannot hold: \"%3\" (%4)")
                    .arg(path).arg(n + 1).arg(character, Code_Point_Text(character));
            }
        }
        return QStringLiteral("Cannot write \"%1\": its text does not convert to code page 932").arg(path);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString());
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        const QString message = QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString());
        file.cancelWriting();
        return message;
    }
    return {};
}
