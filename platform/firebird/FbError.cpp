#include "platform/firebird/FbError.h"

#include <algorithm>

namespace fb {

namespace {
// gdscodes from the Firebird error table.
constexpr long kDeadlock = 335544336L;
constexpr long kLockConflict = 335544345L;
constexpr long kUpdateConflict = 335544451L;
} // namespace

Error::Error(QString message, std::vector<long> gdsCodes)
    : m_message(std::move(message)), m_utf8(m_message.toUtf8()), m_codes(std::move(gdsCodes))
{
}

bool Error::hasCode(long gdsCode) const
{
    return std::find(m_codes.begin(), m_codes.end(), gdsCode) != m_codes.end();
}

bool Error::isConflict() const
{
    return hasCode(kUpdateConflict) || hasCode(kDeadlock) || hasCode(kLockConflict);
}

} // namespace fb
