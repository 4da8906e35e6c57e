#include "referral/U_vagas_Lists.h"

#include "common/Deployment.h"

namespace vagas_lists {

QStringList schoolsWithOthers()
{
    QStringList schools = deployment::fullSchoolList();
    schools << QStringLiteral("OUTRO(A)S");
    return schools;
}

QStringList vacancyLookupSchools()
{
    QStringList schools = deployment::fullSchoolList();
    qsizetype lastState = -1;
    for (qsizetype i = 0; i < schools.size(); ++i) {
        if (schools.at(i).startsWith(u"E.E. "))
            lastState = i;
    }
    if (lastState >= 0)
        schools.removeAt(lastState);
    return schools;
}

} // namespace vagas_lists
