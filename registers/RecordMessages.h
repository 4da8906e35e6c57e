#pragma once

#include "platform/dataset/ApplyResult.h"

#include <QString>

// The texts of the record-editing screens' boxes.
namespace record_messages {

QString nameRequired();      // "O campo nome é obrigatório"
QString saved();             // "Registro salvo com sucesso!"
QString saveOrCancelFirst(); // "Salve ou cancele as operações antes de sair"
QString deleteQuestion();    // "Deseja Excluir o cadastro?"
QString deleteTitle();       // "Excluir Cadastro"

// A save or delete that the database did not take: what happened and what the user can do.
QString saveFailed(const ds::ApplyResult& result);
QString deleteFailed(const ds::ApplyResult& result);
QString saveFailedTitle();
QString deleteFailedTitle();

} // namespace record_messages
