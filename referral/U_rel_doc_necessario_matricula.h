#pragma once

#include "referral/ReferralDocument.h"

// A page of twelve cut-out slips listing the documents needed for enrolment; no data.
class TFrm_Rel_Doc_Necessario_Matri final : public referral::ReferralDocument
{
    Q_OBJECT

public:
    explicit TFrm_Rel_Doc_Necessario_Matri(QObject* parent = nullptr);
};
