#pragma once

#include <QMainWindow>

class QAction;
class QTimer;
class StatusPanels;

class TFrm_Menu final : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFrm_Menu(QWidget* parent = nullptr);

    QAction* vidaescolar;
    QAction* ESCOLAS2;
    QAction* RH2;
    QAction* Whatsapp1;
    QAction* Suporte1;
    QAction* mnuSobre;
    QAction* Logoff1;
    QAction* mnuSair;
    StatusPanels* StatusBar1;
    QTimer* Timer1;

    // The sector access checks; false when the user was refused.
    bool nivel_basico();
    bool nivel_escolar();
    bool nivel_geral();
    bool nivel_gerente();

    void vidaescolarClick();
    void ESCOLAS2Click();
    void RH2Click();
    void Whatsapp1Click();
    void Suporte1Click();
    void mnuSobreClick();
    void Logoff1Click();
    void mnuSairClick();
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

extern TFrm_Menu* Frm_Menu;
