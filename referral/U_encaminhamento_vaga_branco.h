#pragma once

#include "referral/ReferralDocument.h"

namespace report {
class ReportDataSource;
}

// The fixed parts of the referral, signed in advance ("Folha para Assinar"): letterhead,
// heading with the president's year, signature block and health note; no request data.
class TFrm_escaminhamento_vaga_branco final : public referral::ReferralDocument
{
    Q_OBJECT

public:
    explicit TFrm_escaminhamento_vaga_branco(const report::ReportDataSource& presidente,
                                             QObject* parent = nullptr);
};
