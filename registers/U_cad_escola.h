#pragma once

#include "registers/RecordScreen.h"

// "CADASTRO DE ESCOLA": the schools, the reference instance of the record-editing screen.
class TFrm_Cad_Escola final : public RecordScreen
{
    Q_OBJECT

public:
    explicit TFrm_Cad_Escola(QWidget* parent = nullptr);
};
