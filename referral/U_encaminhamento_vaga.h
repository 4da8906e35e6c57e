#pragma once

#include "referral/ReferralDocument.h"

namespace report {
class ReportDataSource;
}

// The full referral: letterhead, the request's data, the president's signature block and the
// validity. Prints the current rows of aluno (cdsaluno) and presidente (cdspresidente).
class TFrm_encaminhamento_vaga final : public referral::ReferralDocument
{
    Q_OBJECT

public:
    TFrm_encaminhamento_vaga(const report::ReportDataSource& aluno,
                             const report::ReportDataSource& presidente, QObject* parent = nullptr);
};
