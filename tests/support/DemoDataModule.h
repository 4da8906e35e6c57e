#pragma once

#include <QDate>
#include <QString>
#include <QTemporaryDir>

namespace testing_support {

// A fresh database made from the shipped schema (with the demo rows unless asked not to), a
// config.ini beside it, and the global data module `dm` started on them; dm is deleted again
// with the object.
class DemoDataModule final
{
public:
    explicit DemoDataModule(bool withDemoRows = true, const QDate& today = QDate(2026, 12, 11));
    ~DemoDataModule();
    DemoDataModule(const DemoDataModule&) = delete;
    DemoDataModule& operator=(const DemoDataModule&) = delete;

    const QString& databasePath() const { return m_databasePath; }
    QString configPath() const { return m_dir.filePath(QStringLiteral("config.ini")); }
    // Runs one statement on a connection of its own, as another workstation would.
    void exec(const QString& sql) const;
    QVariant scalar(const QString& sql) const;

private:
    QTemporaryDir m_dir;
    QString m_databasePath;
};

} // namespace testing_support
