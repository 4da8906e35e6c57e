#pragma once

#include "registers/RecordScreen.h"

// "CADASTRO DE CIDADES": the cities. Its keys come from the shifts' sequence; the window
// has ordinary title-bar buttons and does not preview keys.
class TFrm_Cad_Cidade final : public RecordScreen
{
    Q_OBJECT

public:
    explicit TFrm_Cad_Cidade(QWidget* parent = nullptr);
};
