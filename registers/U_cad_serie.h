#pragma once

#include "registers/RecordScreen.h"

// The grades register, one name each (its caption is "Frm_Cad_Serie").
class TFrm_Cad_Serie final : public RecordScreen
{
    Q_OBJECT

public:
    explicit TFrm_Cad_Serie(QWidget* parent = nullptr);
};
