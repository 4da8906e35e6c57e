#pragma once

#include <QComboBox>

namespace dbw {

class DataSource;
class FieldLink;

// A pick-list bound to one text field: it stores the picked item's text. By default only
// the items can be picked; with typing allowed, any text typed into it is stored too.
class DBComboBox final : public QComboBox
{
    Q_OBJECT

public:
    explicit DBComboBox(QWidget* parent = nullptr);

    void setDataSource(DataSource* source, const QString& fieldName);
    void setItems(const QStringList& items);
    void setAllowTyping(bool on);
    // The text shown, as the screens read it.
    QString fieldText() const { return currentText(); }

private:
    void readField();
    void store(const QString& text);

    FieldLink* m_link;
};

} // namespace dbw
