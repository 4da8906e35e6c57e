#pragma once

#include "registers/RecordScreen.h"

// "CADASTRO DE PRESIDENTE": edits the registration commission's presidents; it creates and
// deletes none ("Novo" and "Excluir" are not shown) and its search box filters nothing.
class TFrm_Cad_Presidente final : public RecordScreen
{
    Q_OBJECT

public:
    explicit TFrm_Cad_Presidente(QWidget* parent = nullptr);
};
