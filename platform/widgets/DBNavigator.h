#pragma once

#include <QWidget>

class QToolButton;

namespace dbw {

class DataSource;

// First, previous, next and last row of a data source. The buttons rest while the dataset
// is inserting or editing, since moving would post the row.
class DBNavigator final : public QWidget
{
    Q_OBJECT

public:
    explicit DBNavigator(QWidget* parent = nullptr);
    void setDataSource(DataSource* source);

private:
    void updateButtons();
    void move(void (*step)(DataSource*));

    DataSource* m_source = nullptr;
    QToolButton* m_first;
    QToolButton* m_prior;
    QToolButton* m_next;
    QToolButton* m_last;
};

} // namespace dbw
