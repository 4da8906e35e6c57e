// quenara-db: creates a database file from the schema, optionally with demo data.
//   quenara-db create <file.fdb> [--demo] [--user NAME] [--password TEXT]
//   quenara-db schema            prints the schema script (for isql-fb on a server)

#include "data/DemoDatabase.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbError.h"

#include <QCoreApplication>
#include <QDate>
#include <QStringList>
#include <QTextStream>

namespace {

int usage(QTextStream& err)
{
    err << "usage: quenara-db create <file.fdb> [--demo] [--user NAME] [--password TEXT]\n"
           "       quenara-db schema\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage(err);
    const QString command = args.takeFirst();
    int status = 0;
    try {
        if (command == QLatin1String("schema")) {
            out << schemaScript();
        } else if (command == QLatin1String("create") && !args.isEmpty()) {
            const QString path = args.takeFirst();
            bool demo = false;
            QString user = QStringLiteral("SYSDBA");
            QString password;
            while (!args.isEmpty()) {
                const QString option = args.takeFirst();
                if (option == QLatin1String("--demo"))
                    demo = true;
                else if (option == QLatin1String("--user") && !args.isEmpty())
                    user = args.takeFirst();
                else if (option == QLatin1String("--password") && !args.isEmpty())
                    password = args.takeFirst();
                else
                    return usage(err);
            }
            createSchemaDatabase(path, user, password);
            if (demo) {
                fb::Connection connection;
                connection.attach({QString(), path, user, password, {}});
                loadDemoData(connection, QDate::currentDate());
                connection.detach();
            }
            out << "created " << path << (demo ? " with demo data" : "") << "\n";
        } else {
            status = usage(err);
        }
    } catch (const std::exception& error) {
        err << "quenara-db: " << QString::fromUtf8(error.what()) << "\n";
        status = 1;
    }
    fb::Connection::shutdownEngine();
    return status;
}
