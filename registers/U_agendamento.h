#pragma once

#include <QColor>
#include <QDateTime>
#include <QDialog>

#include <functional>
#include <optional>

class QCalendarWidget;
class QDateEdit;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolButton;
class AgendaGrid;

namespace ds {
class StoredProc;
}

namespace dbw {
class DBMemo;
class DBNavigator;
class DataSource;
} // namespace dbw

// The department's appointments: a month calendar to pick the day of a new one, a query by
// period, a grid that is typed into, the subject in a memo and a live clock.
class TForm_Agenda final : public QDialog
{
    Q_OBJECT

public:
    // clock: the current date and time (the system clock unless a test fixes it).
    explicit TForm_Agenda(QWidget* parent = nullptr, std::function<QDateTime()> clock = {});
    ~TForm_Agenda() override;

    void ativabanco();
    void desativabanco();
    void ativabtn();
    void desativabtn();

protected:
    void FormCreate();
    void FormShow();
    void FormClose(bool& canClose);
    void BitBtn1Click();
    void ScrollBar1Change();
    void ScrollBar2Click();
    void ScrollBar3Click();
    void speed_agendaClick();
    void speed_alterarClick();
    void speed_desmarcarClick();
    void speed_cancelarClick();
    void speed_salvarClick();
    void speed_sairClick();
    void DBGrid1DblClick() { desativabtn(); }
    void DBMemo1Click() { desativabtn(); }
    void Timer2Timer();
    // Rows with an even record number on light green, unless selected.
    static std::optional<QColor> DBGrid1DrawColumnCell(int row, bool selected);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QToolButton* flatButton(const char* name, const QString& caption);
    int year() const;
    void setYear(int year);
    // Month and year of the calendar; the selected day is kept (the last one of a shorter month).
    void showCalendarMonth(int month, int year);
    // Post and apply; on a refusal the row stays pending and the failure is shown.
    bool saveAppointment();

    std::function<QDateTime()> m_clock;
    dbw::DataSource* m_dsagenda;
    ds::StoredProc* m_generator;
    dbw::DBNavigator* m_DBNavigator1 = nullptr;
    QDateEdit* m_DateTimePicker1 = nullptr;
    QDateEdit* m_DateTimePicker2 = nullptr;
    QPushButton* m_BitBtn1 = nullptr;
    QLabel* m_Panel1 = nullptr;
    QScrollBar* m_ScrollBar1 = nullptr;
    QPushButton* m_ScrollBar2 = nullptr;
    QPushButton* m_ScrollBar3 = nullptr;
    QLabel* m_Panel3 = nullptr;
    QCalendarWidget* m_Calendar1 = nullptr;
    QLabel* m_Panel7 = nullptr;
    QLabel* m_Label1 = nullptr;
    QToolButton* m_speed_agenda = nullptr;
    QToolButton* m_speed_desmarcar = nullptr;
    QToolButton* m_speed_salvar = nullptr;
    QToolButton* m_speed_alterar = nullptr;
    QToolButton* m_speed_cancelar = nullptr;
    QToolButton* m_speed_sair = nullptr;
    AgendaGrid* m_DBGrid1 = nullptr;
    dbw::DBMemo* m_DBMemo1 = nullptr;
    QTimer* m_Timer2 = nullptr;
    bool m_closeRequested = false;
};
