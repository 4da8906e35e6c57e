#include "platform/widgets/EditMask.h"

#include <QStringList>

namespace dbw {

EditMask EditMask::parse(const QString& mask)
{
    EditMask result;
    QChar caseSwitch;
    qsizetype i = 0;
    for (; i < mask.size(); ++i) {
        const QChar c = mask[i];
        if (c == QLatin1Char(';'))
            break;
        Position p;
        p.caseSwitch = caseSwitch;
        switch (c.unicode()) {
        case '\\':
            if (i + 1 < mask.size())
                p.literal = mask[++i];
            result.m_positions.push_back(p);
            continue;
        case '!':
            result.m_leadingBlanks = true;
            continue;
        case '>':
        case '<':
            // "<>" switches case forcing off again
            if (c == QLatin1Char('<') && i + 1 < mask.size() && mask[i + 1] == QLatin1Char('>')) {
                caseSwitch = QChar();
                ++i;
            } else {
                caseSwitch = c;
            }
            continue;
        case '0':
            p.kind = Kind::Digit, p.required = true;
            break;
        case '9':
            p.kind = Kind::Digit;
            break;
        case '#':
            p.kind = Kind::DigitOrSign;
            break;
        case 'L':
            p.kind = Kind::Letter, p.required = true;
            break;
        case 'l':
            p.kind = Kind::Letter;
            break;
        case 'A':
            p.kind = Kind::Alphanumeric, p.required = true;
            break;
        case 'a':
            p.kind = Kind::Alphanumeric;
            break;
        case 'C':
            p.kind = Kind::Any, p.required = true;
            break;
        case 'c':
            p.kind = Kind::Any;
            break;
        case '_':
            p.literal = QLatin1Char(' ');
            break;
        default:
            p.literal = c;
            break;
        }
        result.m_positions.push_back(p);
    }
    const QStringList rest = mask.mid(i + 1).split(QLatin1Char(';'));
    if (i < mask.size()) {
        result.m_storeLiterals = rest.value(0).trimmed() != QLatin1String("0");
        if (rest.size() > 1 && !rest[1].isEmpty())
            result.m_blank = rest[1][0];
    }
    return result;
}

QString EditMask::qtInputMask() const
{
    static const QString special = QStringLiteral("AaNnXx90Dd#HhBb><![]{}\\;");
    QString out;
    QChar caseInForce;
    for (const Position& p : m_positions) {
        if (p.caseSwitch != caseInForce) {
            out += p.caseSwitch.isNull() ? QLatin1Char('!') : p.caseSwitch;
            caseInForce = p.caseSwitch;
        }
        switch (p.kind) {
        case Kind::Literal:
            if (special.contains(p.literal))
                out += QLatin1Char('\\');
            out += p.literal;
            break;
        case Kind::Digit:
            out += p.required ? QLatin1Char('9') : QLatin1Char('0');
            break;
        case Kind::DigitOrSign:
            out += QLatin1Char('#');
            break;
        case Kind::Letter:
            out += p.required ? QLatin1Char('A') : QLatin1Char('a');
            break;
        case Kind::Alphanumeric:
            out += p.required ? QLatin1Char('N') : QLatin1Char('n');
            break;
        case Kind::Any:
            out += p.required ? QLatin1Char('X') : QLatin1Char('x');
            break;
        }
    }
    return out + QLatin1Char(';') + m_blank;
}

bool EditMask::filled(const QString& display, size_t i) const
{
    const auto at = static_cast<qsizetype>(i);
    return at < display.size() && display[at] != m_blank && display[at] != QLatin1Char(' ');
}

std::vector<std::pair<size_t, size_t>> EditMask::runs() const
{
    std::vector<std::pair<size_t, size_t>> result;
    size_t i = 0;
    while (i < m_positions.size()) {
        if (!editable(i)) {
            ++i;
            continue;
        }
        const size_t first = i;
        while (i < m_positions.size() && editable(i))
            ++i;
        result.emplace_back(first, i);
    }
    return result;
}

QString EditMask::storedText(const QString& display) const
{
    QString cells(length(), QLatin1Char(' '));
    for (size_t i = 0; i < m_positions.size(); ++i) {
        if (!editable(i))
            cells[static_cast<qsizetype>(i)] = m_positions[i].literal;
        else if (filled(display, i))
            cells[static_cast<qsizetype>(i)] = display[static_cast<qsizetype>(i)];
    }
    if (m_leadingBlanks) {
        // When only optional positions of a run are missing, the typed characters move to
        // the run's end: "(2_)" is stored "( 2)", a time "9_:30" as " 9:30".
        for (const auto& [first, last] : runs()) {
            QString typed;
            size_t optional = 0;
            for (size_t i = first; i < last; ++i) {
                if (filled(display, i))
                    typed += display[static_cast<qsizetype>(i)];
                if (!m_positions[i].required)
                    ++optional;
            }
            const size_t missing = (last - first) - static_cast<size_t>(typed.size());
            if (missing == 0 || missing > optional || typed.isEmpty())
                continue;
            for (size_t i = first; i < last; ++i) {
                const qsizetype k = static_cast<qsizetype>(i - first) - static_cast<qsizetype>(missing);
                cells[static_cast<qsizetype>(i)] = k < 0 ? QLatin1Char(' ') : typed[k];
            }
        }
    }
    if (m_storeLiterals)
        return cells;
    QString out;
    for (size_t i = 0; i < m_positions.size(); ++i) {
        if (editable(i))
            out += cells[static_cast<qsizetype>(i)];
    }
    return out;
}

QString EditMask::displayText(const QString& stored) const
{
    QString out(length(), m_blank);
    size_t editableCount = 0;
    for (size_t i = 0; i < m_positions.size(); ++i) {
        if (!editable(i))
            out[static_cast<qsizetype>(i)] = m_positions[i].literal;
        else
            ++editableCount;
    }
    auto put = [&](size_t i, QChar c) {
        if (c != QLatin1Char(' ') && c != m_blank)
            out[static_cast<qsizetype>(i)] = c;
    };
    bool positional = false;
    if (m_storeLiterals && stored.size() == length()) {
        positional = true;
        for (size_t i = 0; i < m_positions.size() && positional; ++i)
            positional = editable(i) || stored[static_cast<qsizetype>(i)] == m_positions[i].literal;
        if (positional) {
            for (size_t i = 0; i < m_positions.size(); ++i) {
                if (editable(i))
                    put(i, stored[static_cast<qsizetype>(i)]);
            }
        }
    } else if (!m_storeLiterals && static_cast<size_t>(stored.size()) == editableCount) {
        positional = true;
        qsizetype k = 0;
        for (size_t i = 0; i < m_positions.size(); ++i) {
            if (editable(i))
                put(i, stored[k++]);
        }
    }
    if (!positional) {
        qsizetype k = 0;
        for (size_t i = 0; i < m_positions.size(); ++i) {
            if (!editable(i))
                continue;
            while (k < stored.size() && !stored[k].isLetterOrNumber())
                ++k;
            if (k < stored.size())
                put(i, stored[k++]);
        }
    }
    return out;
}

bool EditMask::isBlank(const QString& display) const
{
    for (size_t i = 0; i < m_positions.size(); ++i) {
        if (editable(i) && filled(display, i))
            return false;
    }
    return true;
}

bool EditMask::isComplete(const QString& display) const
{
    for (size_t i = 0; i < m_positions.size(); ++i) {
        if (editable(i) && m_positions[i].required && !filled(display, i))
            return false;
    }
    return true;
}

} // namespace dbw
