#pragma once

#include "referral/ReferralDocument.h"

namespace report {
class ReportDataSource;
}

// Only the request's data of the full referral, at the same places, for printing onto a blank
// referral sheet; frames in cream so that they hardly show.
class TFrm_escaminhamento_vaga_Preenchido final : public referral::ReferralDocument
{
    Q_OBJECT

public:
    explicit TFrm_escaminhamento_vaga_Preenchido(const report::ReportDataSource& aluno,
                                                 QObject* parent = nullptr);
};
