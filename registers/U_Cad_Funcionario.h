#pragma once

#include "registers/RecordScreen.h"

#include <QDate>

#include <functional>

class QLabel;
class QTabWidget;

namespace dbw {
class DBEdit;
}

// The department's staff records. Each row created or edited carries the login of the user
// who saved it last, and the screen shows the age of the employee current on opening.
class TFrm_Cad_Funcionario final : public RecordScreen
{
    Q_OBJECT

public:
    explicit TFrm_Cad_Funcionario(QWidget* parent = nullptr);

    // Today's date for the age label (the system clock unless a test fixes it).
    void setToday(std::function<QDate()> today) { m_today = std::move(today); }

protected:
    void FormShow() override;
    void bntnovoClick() override;
    void bnteditarClick() override;

private:
    void stampUser();
    void showAge();

    QTabWidget* m_pg;
    QLabel* m_lbIdade;
    dbw::DBEdit* m_dbmatricula = nullptr;
    dbw::DBEdit* m_dbdn = nullptr;
    std::function<QDate()> m_today = &QDate::currentDate;
};
