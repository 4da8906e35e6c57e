#include "platform/widgets/CharCase.h"

#include <QLineEdit>

namespace dbw {

CharCaseValidator::CharCaseValidator(CharCase charCase, QObject* parent)
    : QValidator(parent), m_case(charCase)
{
}

QValidator::State CharCaseValidator::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos)
    if (m_case == CharCase::Upper)
        input = input.toUpper();
    else if (m_case == CharCase::Lower)
        input = input.toLower();
    return Acceptable;
}

void forceCharCase(QLineEdit* edit, CharCase charCase)
{
    if (auto* old = qobject_cast<CharCaseValidator*>(const_cast<QValidator*>(edit->validator())))
        old->deleteLater();
    edit->setValidator(charCase == CharCase::Normal ? nullptr : new CharCaseValidator(charCase, edit));
}

} // namespace dbw
