#pragma once

#include <QString>

// The character filter of every numeric field. Digits, "." (any number of them), a "-"
// in the first place and control characters survive; blanks and "!" up to ",", "/", and
// everything after "9" (letters, full-width characters, ...) are removed. Each removal
// is judged on the text left by the removals before it, so "a-1" keeps its "-" once the
// "a" is gone. An empty text is accepted.
struct Numeric_Check {
    QString text;     // the text that survives
    int rejected = 0; // characters removed: the field beeps once for each
    qsizetype cursor; // the given cursor moved back over the removed characters before it
};

// cursor is a UTF-16 position in text (clamped to it); a character outside the Basic
// Multilingual Plane counts as one character.
Numeric_Check Check_Numeric_Text(const QString& text, qsizetype cursor = 0);
