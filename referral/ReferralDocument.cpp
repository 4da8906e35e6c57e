#include "referral/ReferralDocument.h"

namespace referral {

ReferralDocument::ReferralDocument(const QString& objectName, QObject* parent)
    : QObject(parent), m_quickRep1(std::make_unique<report::Report>(QStringLiteral("QuickRep1")))
{
    setObjectName(objectName);
}

ReferralDocument::~ReferralDocument() = default;

void ReferralDocument::preview(QWidget* parent) const
{
    m_quickRep1->preview(parent);
}

} // namespace referral
