#pragma once

#include <QValidator>

class QLineEdit;

namespace dbw {

enum class CharCase { Normal, Upper, Lower };

// Turns whatever reaches the box (typing, pasting) into capitals or small letters.
class CharCaseValidator final : public QValidator
{
    Q_OBJECT

public:
    CharCaseValidator(CharCase charCase, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    CharCase m_case;
};

// Forces the case on a plain edit box, such as a search box.
void forceCharCase(QLineEdit* edit, CharCase charCase);

} // namespace dbw
