#pragma once

#include <QString>
#include <QStringList>

// Everything that belongs to this department's deployment rather than to the program.
namespace deployment {

QString municipality();   // "Cormavi"
QString departmentName(); // the education department's full name
QString departmentAddress();
QString departmentTelephone();
QString departmentTaxNumber(); // CNPJ
QString departmentWebAddress();
QString areaCode(); // two digits of the telephone area

QString echoServiceUrl();    // address-echo web service (external IPv4)
QString updateDownloadUrl(); // download of a new version
QString whatsappSendUrl();   // click-to-chat base, e.g. "https://api.whatsapp.com/send"
QString supportWhatsappNumber();
QString supportTelephones(); // the support numbers shown on the login form
QString onlineVacancyFolderUrl();
QString makerWebAddress();

QString municipalGovernmentName(); // letterhead line, "PREFEITURA MUNICIPAL DE CORMAVI"
QString stateCode();               // two-letter state of the municipality
QString makerName();               // about box, "Suporte Técnico: "
QString makerTelephone();          // about box, "Contato..."
QString makerEmail();              // about box and login form
QString supportContactText();      // login form's contact label: site, e-mail and telephone

// The full school list: 11 "CMEI ", 8 "E.E. ", 10 "E.M. ", 2 "COLEGIO ", in that order,
// alphabetical within each of the first three groups.
const QStringList& fullSchoolList();
// The 21 municipal ones ("CMEI " and "E.M. ").
QStringList municipalSchoolList();

} // namespace deployment
