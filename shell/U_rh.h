#pragma once

#include "shell/ShellDialog.h"

class QTimer;
class StatusPanels;

class TFrm_RH final : public ShellDialog
{
    Q_OBJECT

public:
    explicit TFrm_RH(QWidget* parent = nullptr);

    StatusPanels* StatusBar1;
    QTimer* Timer1;

    void Timer1Timer();
};

extern TFrm_RH* Frm_RH;
