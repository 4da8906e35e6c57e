#include "registers/RecordMessages.h"

namespace record_messages {

QString nameRequired()
{
    return QStringLiteral("O campo nome é obrigatório");
}

QString saved()
{
    return QStringLiteral("Registro salvo com sucesso!");
}

QString saveOrCancelFirst()
{
    return QStringLiteral("Salve ou cancele as operações antes de sair");
}

QString deleteQuestion()
{
    return QStringLiteral("Deseja Excluir o cadastro?");
}

QString deleteTitle()
{
    return QStringLiteral("Excluir Cadastro");
}

namespace {
QString reason(const ds::ApplyResult& result)
{
    if (result.failure == ds::ApplyResult::Failure::Conflict)
        return QStringLiteral("outro usuario alterou ou excluiu este registro depois que a tela foi aberta.");
    return QStringLiteral("o banco de dados recusou a operacao:\r") + result.message;
}
} // namespace

QString saveFailed(const ds::ApplyResult& result)
{
    const QString next =
        result.failure == ds::ApplyResult::Failure::Conflict
            ? QStringLiteral("Clique em Cancelar para recarregar os dados e faca a alteracao novamente.")
            : QStringLiteral("Corrija os dados e clique em Gravar novamente, ou clique em Cancelar.");
    return QStringLiteral("Registro NAO foi salvo: ") + reason(result) + QLatin1Char('\r') + next;
}

QString deleteFailed(const ds::ApplyResult& result)
{
    return QStringLiteral("Registro NAO foi excluido: ") + reason(result) + QLatin1Char('\r') +
           QStringLiteral("Os dados foram recarregados.");
}

QString saveFailedTitle()
{
    return QStringLiteral("Erro ao Gravar");
}

QString deleteFailedTitle()
{
    return QStringLiteral("Erro ao Excluir");
}

} // namespace record_messages
