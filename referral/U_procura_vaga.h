#pragma once

#include "referral/ReferralDocument.h"

namespace report {
class ReportDataSource;
}

// "LISTA DE ESPERA - MATRICULA": the request's data for the waiting list, marked "SEM VALOR".
class TFrm_Procura_Vaga final : public referral::ReferralDocument
{
    Q_OBJECT

public:
    explicit TFrm_Procura_Vaga(const report::ReportDataSource& aluno, QObject* parent = nullptr);
};
