#include "common/PickLists.h"

namespace picklists {

const QStringList& statusList()
{
    static const QStringList items = {
        QStringLiteral("AGUARDANDO"), QStringLiteral("ENCAMINHADO"),   QStringLiteral("ESTUDANDO"),
        QStringLiteral("JA AVISADO"), QStringLiteral("NAO ATENDE"),    QStringLiteral("OUTROS"),
        QStringLiteral("SEM VAGA"),   QStringLiteral("TRANSFERENCIA"), QStringLiteral("TROCA"),
        QStringLiteral("URGENTE"),
    };
    return items;
}

const QStringList& shiftList()
{
    static const QStringList items = {
        QStringLiteral("MATUTINO"),
        QStringLiteral("VESPERTINO"),
        QStringLiteral("NOTURNO"),
        QStringLiteral("INTEGRAL"),
    };
    return items;
}

const QStringList& gradeList()
{
    static const QStringList items = {
        QStringLiteral("MATERNAL I"),
        QStringLiteral("MATERNAL II"),
        QStringLiteral("MATERNAL III"),
        QStringLiteral("1° PERIODO"),
        QStringLiteral("2° PERIODO"),
        QStringLiteral("1° E. FUNDAMENTAL 1 - INICIAL"),
        QStringLiteral("2° E. FUNDAMENTAL 1 - INICIAL"),
        QStringLiteral("3° E. FUNDAMENTAL 1 - INICIAL"),
        QStringLiteral("4° E. FUNDAMENTAL 1 - INICIAL"),
        QStringLiteral("5° E. FUNDAMENTAL 1 - INICIAL"),
        QStringLiteral("6° E. FUNDAMENTAL 2 - FINAL"),
        QStringLiteral("7° E. FUNDAMENTAL 2 - FINAL"),
        QStringLiteral("8° E. FUNDAMENTAL 2 - FINAL"),
        QStringLiteral("9° E. FUNDAMENTAL 2 - FINAL"),
        QStringLiteral("1° E. MEDIO"),
        QStringLiteral("2° E. MEDIO"),
        QStringLiteral("3° E. MEDIO"),
        QStringLiteral("INTEGRAL"),
        QStringLiteral("EJA"),
    };
    return items;
}

const QStringList& registrationGradeList()
{
    // The grade list without "INTEGRAL".
    static const QStringList items = [] {
        QStringList grades = gradeList();
        grades.removeAll(QStringLiteral("INTEGRAL"));
        return grades;
    }();
    return items;
}

} // namespace picklists
