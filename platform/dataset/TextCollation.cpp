#include "platform/dataset/TextCollation.h"

#include <QString>

#include <cstring>

namespace ds {

namespace {

// Decodes one UTF-8 code point at pos and advances pos; malformed bytes read as themselves.
char32_t decode(QByteArrayView s, qsizetype& pos)
{
    const auto lead = static_cast<unsigned char>(s[pos]);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra == 0 || pos + extra >= s.size()) {
        ++pos;
        return lead;
    }
    char32_t cp = lead & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(s[pos + i]) & 0x3F);
    pos += extra + 1;
    return cp;
}

// Upper-case base letter of Latin-1 letters; other code points as they are.
char32_t primary(char32_t c)
{
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') ? c - 32 : c;
    if (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7) {
        static const char kBase[] = "AAAAAAACEEEEIIIIDNOOOOO*OUUUUYTSAAAAAAACEEEEIIIIDNOOOOO/OUUUUYTY";
        return static_cast<unsigned char>(kBase[c - 0xC0]);
    }
    return QChar::toUpper(c);
}

char32_t foldCase(char32_t c)
{
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') ? c - 32 : c;
    return QChar::toUpper(c);
}

bool isAscii(QByteArrayView s)
{
    for (char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool likeAt(QByteArrayView t, qsizetype ti, QByteArrayView p, qsizetype pi, bool ci)
{
    while (pi < p.size()) {
        const char pc = p[pi];
        if (pc == '%') {
            while (pi < p.size() && p[pi] == '%')
                ++pi;
            if (pi == p.size())
                return true;
            for (qsizetype k = ti; k <= t.size(); ++k) {
                // only try at character boundaries
                if (k < t.size() && (static_cast<unsigned char>(t[k]) & 0xC0) == 0x80)
                    continue;
                if (likeAt(t, k, p, pi, ci))
                    return true;
            }
            return false;
        }
        if (ti >= t.size())
            return false;
        if (pc == '_') {
            decode(t, ti);
            ++pi;
            continue;
        }
        const char32_t a = decode(t, ti);
        const char32_t b = decode(p, pi);
        if (ci ? foldCase(a) != foldCase(b) : a != b)
            return false;
    }
    return ti == t.size();
}

} // namespace

int compareText(QByteArrayView a, QByteArrayView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t x = primary(decode(a, i));
        const char32_t y = primary(decode(b, j));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    const int raw = std::memcmp(a.data(), b.data(), static_cast<size_t>(std::min(a.size(), b.size())));
    if (raw != 0)
        return raw < 0 ? -1 : 1;
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

uint64_t textSortPrefix(QByteArrayView text)
{
    uint64_t key = 0;
    qsizetype pos = 0;
    for (int n = 0; n < 4; ++n) {
        // one more than the weight, so that a shorter text sorts before a longer one
        const uint64_t weight =
            pos < text.size() ? std::min<uint64_t>(primary(decode(text, pos)), 0x7FFE) + 1 : 0;
        key = (key << 15) | weight;
    }
    return key;
}

bool likeMatch(QByteArrayView text, QByteArrayView pattern, bool caseInsensitive)
{
    // The common search pattern is "prefix%": no backtracking needed.
    const qsizetype wild = pattern.indexOf('%');
    if (!caseInsensitive && wild == pattern.size() - 1 && pattern.indexOf('_') < 0)
        return text.startsWith(pattern.first(wild));
    if (caseInsensitive && wild == pattern.size() - 1 && pattern.indexOf('_') < 0 && isAscii(pattern) &&
        isAscii(text.first(std::min(text.size(), wild)))) {
        if (text.size() < wild)
            return false;
        for (qsizetype k = 0; k < wild; ++k) {
            char x = text[k];
            char y = pattern[k];
            if (x >= 'a' && x <= 'z')
                x = static_cast<char>(x - 32);
            if (y >= 'a' && y <= 'z')
                y = static_cast<char>(y - 32);
            if (x != y)
                return false;
        }
        return true;
    }
    return likeAt(text, 0, pattern, 0, caseInsensitive);
}

bool textEquals(QByteArrayView a, QByteArrayView b, bool caseInsensitive)
{
    if (!caseInsensitive)
        return a == b;
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (foldCase(decode(a, i)) != foldCase(decode(b, j)))
            return false;
    }
    return i == a.size() && j == b.size();
}

} // namespace ds
