#pragma once

#include "registers/RecordScreen.h"

// "CADASTRO DE TURNO": the shifts, one name each.
class TFrm_Cad_Turno final : public RecordScreen
{
    Q_OBJECT

public:
    explicit TFrm_Cad_Turno(QWidget* parent = nullptr);
};
