#pragma once

#include "registers/RecordScreen.h"

#include <QDateTime>

#include <functional>

class QComboBox;
class QLabel;
class QTabWidget;

namespace dbw {
class DBComboBox;
class DBGrid;
class DBMemo;
} // namespace dbw

namespace referral {
class ReferralDocument;
}

// "CADASTRO DE ALUNOS  PARA ENCAMINHAMENTO": the requests for a school place, the vacancy
// look-up and the referral documents of the selected request.
class TFrm_Cad_Aluno final : public RecordScreen
{
    Q_OBJECT

public:
    using Preview = std::function<void(const referral::ReferralDocument& document, QWidget* parent)>;
    using Opener = std::function<void(QWidget* owner)>;

    explicit TFrm_Cad_Aluno(QWidget* parent = nullptr);

    // The clock for the date of service and the age (tests set a fixed day).
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }
    // How a document is shown; by default its modal print preview.
    void setPreview(Preview preview) { m_preview = std::move(preview); }
    // How the WhatsApp message window opens; by default modally over the register.
    void setWhatsappOpener(Opener opener) { m_openWhatsapp = std::move(opener); }

    void ativabtn() override;

    void bntfiltrarClick();
    void limpar_campos_edit();
    void filtrar_vagas();
    bool nivel();

    // Documents
    void bntencaminhamentoClick();
    void EncaminhamentoCompleto1Click();
    void btn_encaminhamento_esperaClick();
    void bntdeclaracaovagaClick();

protected:
    void FormShow() override;
    void bntnovoClick() override;
    void bnteditarClick() override;
    void bntpesquisarClick() override;
    bool mayDelete() override { return nivel(); }

private:
    void buildEditors();
    void buildAgeTable(QWidget* page);
    void buildVacancyTab(QWidget* page);
    void buildSearchGroup();
    void buildMenus();
    void connectHandlers();

    void Button1Click();
    void searchChanged(QLineEdit* box);
    void applySearch(QLineEdit* box);
    void dbcpfExit();
    void dbdatanascExit();
    void showAge();
    void writeTotal();
    void filtrar1Click();
    void edt_busca_vagasChange();
    void showDocument(const referral::ReferralDocument& document);

    QDate today() const { return m_now().date(); }

    std::function<QDateTime()> m_now = [] { return QDateTime::currentDateTime(); };
    Preview m_preview;
    Opener m_openWhatsapp;

    dbw::DataSource* m_dsVagas;
    QTabWidget* m_pages = nullptr;
    QWidget* m_tbvagas = nullptr;
    dbw::DBEdit* m_dbdataatendimento = nullptr;
    dbw::DBEdit* m_dbdatanasc = nullptr;
    dbw::DBEdit* m_dbcpf = nullptr;
    dbw::DBEdit* m_dbusuario = nullptr;
    dbw::DBMemo* m_dbobs = nullptr;
    QLineEdit* m_edtbuscamae = nullptr;
    QLineEdit* m_edt_obs = nullptr;
    QLineEdit* m_edtbusca_contato = nullptr;
    QLineEdit* m_edt_busca_vagas = nullptr;
    QComboBox* m_edt_nome_escola = nullptr;
    QComboBox* m_edt_nome_serie = nullptr;
    QComboBox* m_edt_nome_turno = nullptr;
    dbw::DBGrid* m_dbgrid_vagas = nullptr;
    QLabel* m_lb_idade = nullptr;
    QLabel* m_lbl_total_aluno = nullptr;
    QLineEdit* m_pendingSearch = nullptr;
};
