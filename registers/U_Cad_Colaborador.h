#pragma once

#include "registers/RecordScreen.h"

class QKeyEvent;
class QLineEdit;

namespace dbw {
class DBMemo;
}

// The schools' contact people, searched by name or by school.
class TFrm_Cad_Colaborador final : public RecordScreen
{
    Q_OBJECT

public:
    explicit TFrm_Cad_Colaborador(QWidget* parent = nullptr);

    // The access check before a delete.
    bool nivel();

protected:
    void FormShow() override;
    void ativabtn() override;
    void EditbuscaChange() override;
    void edtescolaChange();
    void bntfiltroClick();
    void EditbuscaClick() { bntfiltroClick(); }
    void edtescolaClick() { bntfiltroClick(); }
    // Small letters a to z typed into the observations become capitals; true when replaced.
    bool dbobsKeyPress(QKeyEvent* event);
    bool mayDelete() override { return nivel(); }

private:
    enum class SearchBox { Name, School };
    void search(SearchBox box);
    void applySearch();

    QLineEdit* m_edtescola;
    dbw::DBMemo* m_dbobs = nullptr;
    // The two boxes share the dataset's one filter: the box typed in last wins.
    SearchBox m_lastSearch = SearchBox::Name;
    bool m_searchDeferred = false;
};
