#pragma once

#include "shell/ShellDialog.h"

class QTimer;
class StatusPanels;

class TFrmPrincipal final : public ShellDialog
{
    Q_OBJECT

public:
    explicit TFrmPrincipal(QWidget* parent = nullptr);

    StatusPanels* StatusBar1;
    QTimer* Timer1;

    void Timer1Timer();
    void VagasOnline1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

extern TFrmPrincipal* FrmPrincipal;
