#include "model/numeric_text.h"

#include <algorithm>
#include <vector>

namespace {

struct Character {
    char32_t code;
    qsizetype offset; // UTF-16 position in the original text
    qsizetype length; // UTF-16 units
};

bool Is_Rejected(char32_t code, bool first)
{
    if (code == U'-')
        return !first;
    return (code >= 32 && code <= 44) || code == U'/' || code > 57;
}

std::vector<Character> Characters_Of(const QString& text)
{
    std::vector<Character> characters;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t code = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        const qsizetype length = pair ? 2 : 1;
        characters.push_back({code, i, length});
        i += length;
    }
    return characters;
}

} // namespace

Numeric_Check Check_Numeric_Text(const QString& text, qsizetype cursor)
{
    Numeric_Check check{QString(), 0, std::clamp<qsizetype>(cursor, 0, text.size())};
    const qsizetype original_cursor = check.cursor;
    std::vector<Character> characters = Characters_Of(text);
    // One removal at a time, as the field's change handler sees it: the first rejected
    // character goes, then the new text is judged from its start again.
    for (;;) {
        const auto rejected = std::find_if(characters.begin(), characters.end(), [&](const Character& c) {
            return Is_Rejected(c.code, &c == &characters.front());
        });
        if (rejected == characters.end())
            break;
        ++check.rejected;
        if (rejected->offset < original_cursor)
            check.cursor -= std::min(rejected->length, original_cursor - rejected->offset);
        characters.erase(rejected);
    }
    for (const Character& c : characters)
        check.text += QStringView(text).mid(c.offset, c.length);
    return check;
}
