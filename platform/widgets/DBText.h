#pragma once

#include <QLabel>

namespace dbw {

class DataSource;
class FieldLink;

// Read-only text showing one field of the current row.
class DBText final : public QLabel
{
    Q_OBJECT

public:
    explicit DBText(QWidget* parent = nullptr);
    void setDataSource(DataSource* source, const QString& fieldName);

private:
    void readField();

    FieldLink* m_link;
};

} // namespace dbw
