#include "platform/firebird/FbScript.h"

#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbError.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"

#include <QRegularExpression>

namespace fb {

QStringList splitScript(const QString& script)
{
    static const QRegularExpression setTerm(QStringLiteral("^\\s*SET\\s+TERM\\s+(\\S+)\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    QStringList statements;
    QString terminator = QStringLiteral(";");
    QString current;
    const qsizetype n = script.size();
    auto flush = [&] {
        const QString text = current.trimmed();
        current.clear();
        if (text.isEmpty())
            return;
        const QRegularExpressionMatch m = setTerm.match(text);
        if (m.hasMatch())
            terminator = m.captured(1);
        else
            statements.append(text);
    };
    for (qsizetype i = 0; i < n;) {
        const QChar c = script[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype end = script.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? n : end + 1;
            current += QStringView(script).mid(i, stop - i);
            i = stop;
        } else if (script.mid(i, 2) == QLatin1String("--")) {
            const qsizetype end = script.indexOf(QLatin1Char('\n'), i);
            i = end < 0 ? n : end;
        } else if (script.mid(i, 2) == QLatin1String("/*")) {
            const qsizetype end = script.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? n : end + 2;
        } else if (QStringView(script).mid(i).startsWith(terminator)) {
            flush();
            i += terminator.size();
        } else {
            current += c;
            ++i;
        }
    }
    flush();
    return statements;
}

namespace {

// isql's own commands: each statement here commits by itself, and the rest is isql's settings.
bool isIsqlCommand(const QString& sql)
{
    static const QRegularExpression command(
        QStringLiteral(
            "^(COMMIT(\\s+WORK)?|SET\\s+(SQL\\s+DIALECT|NAMES|AUTODDL|ECHO|LIST|STATS|PLAN|HEADING|"
            "WARNINGS|BAIL)\\b.*)$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return command.match(sql.trimmed()).hasMatch();
}

} // namespace

void runScript(Connection& connection, const QString& script)
{
    for (const QString& sql : splitScript(script)) {
        if (isIsqlCommand(sql))
            continue;
        try {
            Transaction transaction = connection.startTransaction();
            Statement statement(transaction, sql);
            statement.execute();
            transaction.commit();
        } catch (const Error& error) {
            throw Error(error.message() + QStringLiteral("\nin statement:\n") + sql, error.gdsCodes());
        }
    }
}

} // namespace fb
