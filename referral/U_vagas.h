#pragma once

#include "registers/RecordScreen.h"

#include <QDateTime>

#include <functional>

class QComboBox;
class QLabel;
class QTabWidget;

// "CADASTRO DE VAGAS": the vacancies the schools report by grade and shift, with their totals.
class TFrm_Cad_Vagas final : public RecordScreen
{
    Q_OBJECT

public:
    explicit TFrm_Cad_Vagas(QWidget* parent = nullptr);

    // The clock for the date and time stamps (tests set a fixed moment).
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }

    void soma();
    bool nivel_geral();

    void bntfiltroClick();
    void Button1Click();
    void filtrar1Click();
    void filtrar3Click();
    void filtrar4Click();
    void filtrar5Click();
    void btmaisdadosClick();
    void btvoltarClick();

protected:
    void FormShow() override;
    void bntnovoClick() override;
    void bnteditarClick() override;
    void bntgravarClick() override;
    bool mayDelete() override { return nivel_geral(); }

private:
    void buildEditors(QWidget* page);
    void buildSearchTab(QWidget* page);
    void buildBottomStrip();
    void stamp();
    void showCadastro(bool on);
    void applyFilter(const QString& text);

    std::function<QDateTime()> m_now = [] { return QDateTime::currentDateTime(); };
    QTabWidget* m_pg = nullptr;
    QComboBox* m_edt_nome_escola = nullptr;
    QComboBox* m_edt_nome_escola_1 = nullptr;
    QComboBox* m_edt_nome_escola_2 = nullptr;
    QComboBox* m_edt_nome_serie = nullptr;
    QComboBox* m_edt_nome_turno = nullptr;
    QComboBox* m_edt_serie = nullptr;
    QComboBox* m_edt_pesq_nome_escola = nullptr;
    QComboBox* m_db_serie_4 = nullptr;
    QLabel* m_lbl_total_vagas = nullptr;
    QLabel* m_lblquantitativo = nullptr;
};
