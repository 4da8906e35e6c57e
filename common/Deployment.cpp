#include "common/Deployment.h"

// The municipality and every address below are invented; the hosts sit on the reserved
// ".example" domain so that nothing reaches a real service by accident.
namespace deployment {

QString municipality()
{
    return QStringLiteral("Cormavi");
}

QString departmentName()
{
    return QStringLiteral("SECRETARIA MUNICIPAL DE EDUCAÇÃO DE CORMAVI");
}

QString departmentAddress()
{
    return QStringLiteral("RUA DAS ACACIAS, 250 - CENTRO - CORMAVI/GO - CEP 75930-000");
}

QString departmentTelephone()
{
    return QStringLiteral("(64)99812-4400");
}

QString departmentTaxNumber()
{
    // Check digits are right, so it passes a CNPJ check if anyone runs one.
    return QStringLiteral("08.473.291/0001-47");
}

QString departmentWebAddress()
{
    return QStringLiteral("https://educacao.cormavi.example");
}

QString areaCode()
{
    return QStringLiteral("64");
}

QString echoServiceUrl()
{
    return QStringLiteral("http://checkip.cormavi.example/");
}

QString updateDownloadUrl()
{
    return QStringLiteral("https://atualiza.quenara.example/educacao/zevaduz/ESCOLAR.exe");
}

QString whatsappSendUrl()
{
    return QStringLiteral("https://api.whatsapp.com/send");
}

QString supportWhatsappNumber()
{
    // Country and area code included: the number goes into "phone=" as it is.
    return QStringLiteral("5564999017788");
}

QString supportTelephones()
{
    return QStringLiteral("(64)99901-7788 / (64)99812-4400");
}

QString onlineVacancyFolderUrl()
{
    return QStringLiteral("https://arquivos.cormavi.example/educacao/vagas/");
}

QString makerWebAddress()
{
    return QStringLiteral("https://www.quenara.example");
}

QString municipalGovernmentName()
{
    return QStringLiteral("PREFEITURA MUNICIPAL DE CORMAVI");
}

QString stateCode()
{
    return QStringLiteral("GO");
}

QString makerName()
{
    return QStringLiteral("Quenara Sistemas");
}

QString makerTelephone()
{
    return QStringLiteral("(64)99901-7788");
}

QString makerEmail()
{
    return QStringLiteral("suporte@quenara.example");
}

QString supportContactText()
{
    return QStringLiteral("www.quenara.example - suporte@quenara.example - (64)99901-7788");
}

const QStringList& fullSchoolList()
{
    static const QStringList schools = {
        QStringLiteral("CMEI ANJO DA GUARDA"),
        QStringLiteral("CMEI BRANCA DE NEVE"),
        QStringLiteral("CMEI CANTINHO FELIZ"),
        QStringLiteral("CMEI CRIANCA ESPERANCA"),
        QStringLiteral("CMEI DONA MARIA JOSE"),
        QStringLiteral("CMEI ESTRELINHA AZUL"),
        QStringLiteral("CMEI MONTEIRO LOBATO"),
        QStringLiteral("CMEI PEQUENO PRINCIPE"),
        QStringLiteral("CMEI PROFESSORA LUZIA GOMES"),
        QStringLiteral("CMEI RAIO DE SOL"),
        QStringLiteral("CMEI SONHO DE CRIANCA"),
        QStringLiteral("E.E. CASTRO ALVES"),
        QStringLiteral("E.E. DOM PEDRO II"),
        QStringLiteral("E.E. JOAQUIM NABUCO"),
        QStringLiteral("E.E. JOSE DE ALENCAR"),
        QStringLiteral("E.E. MACHADO DE ASSIS"),
        QStringLiteral("E.E. PROFESSOR ANTONIO CARLOS"),
        QStringLiteral("E.E. RUI BARBOSA"),
        QStringLiteral("E.E. TIRADENTES"),
        QStringLiteral("E.M. ANITA GARIBALDI"),
        QStringLiteral("E.M. CECILIA MEIRELES"),
        QStringLiteral("E.M. CORA CORALINA"),
        QStringLiteral("E.M. GETULIO VARGAS"),
        QStringLiteral("E.M. JOAO BATISTA DE OLIVEIRA"),
        QStringLiteral("E.M. MARECHAL RONDON"),
        QStringLiteral("E.M. NOSSA SENHORA APARECIDA"),
        QStringLiteral("E.M. PAULO FREIRE"),
        QStringLiteral("E.M. SANTOS DUMONT"),
        QStringLiteral("E.M. VILA NOVA"),
        QStringLiteral("COLEGIO SAO JOSE"),
        QStringLiteral("COLEGIO ATENEU CORMAVI"),
    };
    return schools;
}

QStringList municipalSchoolList()
{
    QStringList municipal;
    for (const QString& school : fullSchoolList()) {
        if (school.startsWith(u"CMEI ") || school.startsWith(u"E.M. "))
            municipal.append(school);
    }
    return municipal;
}

} // namespace deployment
