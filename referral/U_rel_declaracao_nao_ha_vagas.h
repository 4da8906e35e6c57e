#pragma once

#include "referral/ReferralDocument.h"

namespace report {
class ReportDataSource;
}

// The declaration that the schools reported no vacancy for the child, signed by the president.
class TFrm_Rel_Declaracao_nao_ha_vagas final : public referral::ReferralDocument
{
    Q_OBJECT

public:
    TFrm_Rel_Declaracao_nao_ha_vagas(const report::ReportDataSource& aluno,
                                     const report::ReportDataSource& presidente, QObject* parent = nullptr);
};
