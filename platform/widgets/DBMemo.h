#pragma once

#include <QPlainTextEdit>

namespace dbw {

class DataSource;
class FieldLink;

// A several-line editor bound to one text or memo field.
class DBMemo final : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit DBMemo(QWidget* parent = nullptr);
    void setDataSource(DataSource* source, const QString& fieldName);

private:
    void readField();
    void userChanged();

    FieldLink* m_link;
    bool m_reading = false;
};

} // namespace dbw
