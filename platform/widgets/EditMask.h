#pragma once

#include <QChar>
#include <QString>

#include <vector>

namespace dbw {

// An entry mask in the notation the field definitions carry, e.g. "!\(99\)00000-0000;1;_":
// 0 required digit, 9 optional digit, # optional digit or sign, L/l letter, A/a letter or
// digit, C/c any character (capital: required), \ next character literal, > and < case,
// ! blanks of unfilled optional positions go before the typed characters; after the first
// ";" whether literals are stored (0: no) and after the second the blank shown.
class EditMask final
{
public:
    static EditMask parse(const QString& mask);

    bool isEmpty() const { return m_positions.empty(); }
    bool storesLiterals() const { return m_storeLiterals; }
    QChar blank() const { return m_blank; }
    int length() const { return static_cast<int>(m_positions.size()); }

    // The same mask for QLineEdit::setInputMask.
    QString qtInputMask() const;
    // Text as the field stores it, from the editor's display text (the blank char at every
    // unfilled position): unfilled positions become spaces, literals kept or dropped.
    QString storedText(const QString& display) const;
    // Display text for a stored value; a value that does not follow the mask has its
    // characters poured into the editable positions in order.
    QString displayText(const QString& stored) const;
    // Nothing typed at all.
    bool isBlank(const QString& display) const;
    // Every required position filled.
    bool isComplete(const QString& display) const;

private:
    enum class Kind { Literal, Digit, DigitOrSign, Letter, Alphanumeric, Any };
    struct Position
    {
        Kind kind = Kind::Literal;
        bool required = false;
        QChar literal;
        QChar caseSwitch; // '>' or '<' in force from here, or null
    };
    bool editable(size_t i) const { return m_positions[i].kind != Kind::Literal; }
    bool filled(const QString& display, size_t i) const;
    // Editable runs: [first, last) indexes of consecutive editable positions.
    std::vector<std::pair<size_t, size_t>> runs() const;

    std::vector<Position> m_positions;
    bool m_storeLiterals = true;
    bool m_leadingBlanks = false;
    QChar m_blank = QLatin1Char('_');
};

} // namespace dbw
