#pragma once

#include "registers/RecordScreen.h"

// The accounts that may sign in: name, login, password and access level. Deleting one is
// reserved to level "3".
class TFrmCadUsuario final : public RecordScreen
{
    Q_OBJECT

public:
    explicit TFrmCadUsuario(QWidget* parent = nullptr);

    // The access check before a delete.
    bool nivel();

protected:
    void FormShow() override;
    void FormClose(bool& canClose) override;
    bool mayDelete() override { return nivel(); }
};
