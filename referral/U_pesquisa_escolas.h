#pragma once

#include <QDialog>

class QLineEdit;

namespace dbw {
class DataSource;
class DBGrid;
} // namespace dbw

// "Pesquisar Escolas": the schools register, read-only, with three type-to-find boxes.
class TFrm_Pesquisa_Escolas final : public QDialog
{
    Q_OBJECT

public:
    explicit TFrm_Pesquisa_Escolas(QWidget* parent = nullptr);

    void ativabanco();
    void desativabanco();
    void LIMPAFILTRO();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void search(const QString& prefix, const QString& typed);

    dbw::DataSource* m_ds_scola;
    QLineEdit* m_Editbusca;
    QLineEdit* m_edt_busca_coordenador;
    QLineEdit* m_edtbusca_contato;
    dbw::DBGrid* m_DBGrid1;
};
