#pragma once

#include <QDateTime>
#include <QDialog>

#include <functional>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dbw {
class DataSource;
class DBGrid;
} // namespace dbw

// "Pesquisa": narrows the data module's requests (cdsaluno) for the referral register. The
// filter and the row picked here stay on the dataset when the window closes.
class TFrm_Filtro final : public QDialog
{
    Q_OBJECT

public:
    explicit TFrm_Filtro(QWidget* parent = nullptr);

    // The clock for the period pickers (tests set a fixed day).
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }

    void btn_filtroClick();
    void BitBtn6Click();
    void Button3Click();
    void btn_filtra_esc_statusClick();
    void btn_sairClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override {}

private:
    void FormShow();
    void nameSearch(QLineEdit* box, const QString& prefix);
    void writeTotal();

    std::function<QDateTime()> m_now = [] { return QDateTime::currentDateTime(); };
    dbw::DataSource* m_ds_busca;
    QComboBox* m_db_escola_5;
    QComboBox* m_db_serie_5;
    QComboBox* m_db_turno_5;
    QComboBox* m_db_status_5;
    QComboBox* m_db_escola_3;
    QComboBox* m_db_status_3;
    QDateEdit* m_DateTimePicker1;
    QDateEdit* m_DateTimePicker2;
    QLabel* m_lbl_total_aluno;
    QLineEdit* m_edtpesquisa;
    QLineEdit* m_edtbuscamae;
    dbw::DBGrid* m_dbgrid;
    bool m_leaving = false;
};
