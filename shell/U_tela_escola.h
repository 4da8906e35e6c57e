#pragma once

#include "shell/ShellDialog.h"

class QTimer;
class StatusPanels;

class TFrm_Escolas final : public ShellDialog
{
    Q_OBJECT

public:
    explicit TFrm_Escolas(QWidget* parent = nullptr);

    StatusPanels* StatusBar1;
    QTimer* Timer1;

    void Timer1Timer();
};
