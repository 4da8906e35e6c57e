#pragma once

#include "registers/RecordScreen.h"

namespace dbw {
class DBEdit;
}

// The periods of the yearly school registration: one row of six dates, edited in place.
class TFrm_Cad_Cronograma_Escolar final : public RecordScreen
{
    Q_OBJECT

public:
    explicit TFrm_Cad_Cronograma_Escolar(QWidget* parent = nullptr);

protected:
    // The start of the early-childhood period stands for the name on save.
    QString nameEditorText() const override;

private:
    dbw::DBEdit* m_first = nullptr;
};
