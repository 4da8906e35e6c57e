#pragma once

#include "shell/ShellDialog.h"

class TFrm_Suporte final : public ShellDialog
{
    Q_OBJECT

public:
    explicit TFrm_Suporte(QWidget* parent = nullptr);

    void img1Click();
    void img2Click();
    void RH1Click();
};

extern TFrm_Suporte* Frm_Suporte;
