#include "data/DemoData.h"

#include "common/Deployment.h"
#include "common/PickLists.h"

#include <QTime>

#include <algorithm>
#include <array>
#include <map>

// Sign-in accounts of the demo database, one per sector (login / password / level):
//   VIDA    / VIDA123    / 1  school life
//   ESCOLA  / ESCOLA123  / 2  schools
//   SUPORTE / SUPORTE123 / 3  support (and the only level that may delete)
//   RH      / RH123      / 4  human resources
//
// Keys run 1..N in every table; whoever loads these rows must move each id sequence past
// the largest key afterwards.

namespace {

// 64-bit LCG with Knuth's MMIX constants: the same rows on every machine and every run.
class Lcg
{
public:
    explicit Lcg(quint64 seed) : m_state(seed) {}

    quint32 next()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<quint32>(m_state >> 33);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<quint32>(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
    const QString& pick(const QStringList& list) { return list.at(below(static_cast<int>(list.size()))); }

private:
    quint64 m_state;
};

QStringList words(const char* text)
{
    return QString::fromUtf8(text).split(u'|');
}

const QStringList& womenNames()
{
    static const QStringList names =
        words("ANA|MARIA|JULIANA|FERNANDA|PATRICIA|ALINE|CAMILA|LUCIANA|ADRIANA|SIMONE|CRISTIANE|VANESSA|"
              "DANIELA|JESSICA|KELLY|ROSANGELA|ELIANE|SANDRA|MARCIA|TATIANE|BRUNA|LARISSA|GABRIELA|RAQUEL|"
              "VIVIANE|CLAUDIA|SILVANA|ANDREIA|LETICIA|RENATA|JAQUELINE|FRANCIELE|ROSIMEIRE|LUZIA|JOSEFA|"
              "EDNA|MARLENE|ANGELICA|PRISCILA|THAIS");
    return names;
}

const QStringList& menNames()
{
    static const QStringList names =
        words("JOSE|JOAO|ANTONIO|FRANCISCO|CARLOS|PAULO|PEDRO|LUCAS|MARCOS|LUIZ|GABRIEL|RAFAEL|DANIEL|"
              "MARCELO|BRUNO|EDUARDO|FELIPE|RODRIGO|MANOEL|ANDERSON|FABIO|LEANDRO|WELLINGTON|ADRIANO|"
              "RICARDO|SEBASTIAO|VALDIR|GILMAR|ROBERTO|SERGIO|CLEITON|EVERTON|JEFERSON|DOUGLAS|MATEUS|"
              "THIAGO|VINICIUS|GUSTAVO|ALEXANDRE|RONALDO");
    return names;
}

const QStringList& girlNames()
{
    static const QStringList names =
        words("ALICE|HELENA|LAURA|MARIA CLARA|MARIA EDUARDA|VALENTINA|HELOISA|LIVIA|SOPHIA|ISABELLA|"
              "MANUELA|CECILIA|LORENA|YASMIN|LARA|BEATRIZ|NICOLE|ESTHER|REBECA|MELISSA|AGATHA|EMANUELLY|"
              "ANA JULIA|ANA LUIZA|KAMILLY|GIOVANNA|ISADORA|LUNA|VITORIA|MIRELLA");
    return names;
}

const QStringList& boyNames()
{
    static const QStringList names =
        words("MIGUEL|ARTHUR|HEITOR|THEO|DAVI|GAEL|BERNARDO|SAMUEL|JOAO MIGUEL|ENZO GABRIEL|PEDRO HENRIQUE|"
              "LORENZO|BENJAMIN|MATHEUS|ISAAC|JOAQUIM|NICOLAS|DAVI LUCCA|GUILHERME|RAVI|CAUA|KAUAN|ENZO|"
              "MURILO|JOAO PEDRO|BRYAN|RYAN|LUCCA|ANTHONY|VICTOR HUGO");
    return names;
}

const QStringList& surnames()
{
    static const QStringList names =
        words("SILVA|SANTOS|OLIVEIRA|SOUZA|RODRIGUES|FERREIRA|ALVES|PEREIRA|LIMA|GOMES|COSTA|RIBEIRO|"
              "MARTINS|CARVALHO|ALMEIDA|LOPES|SOARES|FERNANDES|VIEIRA|BARBOSA|ROCHA|DIAS|NASCIMENTO|"
              "ANDRADE|MOREIRA|NUNES|MARQUES|MACHADO|MENDES|FREITAS|CARDOSO|RAMOS|GONCALVES|SANTANA|"
              "TEIXEIRA|ARAUJO|MOURA|CAMPOS|BORGES|PINTO|CUNHA|REZENDE|QUEIROZ|BATISTA|XAVIER|FARIAS");
    return names;
}

const QStringList& streets()
{
    static const QStringList names =
        words("RUA DAS MANGUEIRAS|RUA 7 DE SETEMBRO|AVENIDA BRASIL|RUA GOIAS|AVENIDA TIRADENTES|"
              "RUA DOM PEDRO I|RUA DAS ORQUIDEAS|RUA BELO HORIZONTE|AVENIDA PRESIDENTE VARGAS|RUA SAO PAULO|"
              "RUA DOS IPES|TRAVESSA DA PAZ|RUA JOAO PESSOA|RUA RIO GRANDE DO SUL|AVENIDA CENTRAL|"
              "RUA 15 DE NOVEMBRO|ALAMEDA DAS PALMEIRAS|RUA PADRE ANCHIETA|RUA DOS BURITIS|RUA ARAGUAIA");
    return names;
}

const QStringList& districts()
{
    static const QStringList names =
        words("CENTRO|JARDIM AMERICA|VILA SAO JORGE|SETOR NORTE|PARQUE DAS FLORES|BAIRRO DOS IPES|"
              "JARDIM PRIMAVERA|VILA NOVA|SETOR AEROPORTO|RESIDENCIAL BOA VISTA|CONJUNTO ESPERANCA|"
              "SETOR SUL|VILA OPERARIA|JARDIM DAS ACACIAS");
    return names;
}

QString join(std::initializer_list<QString> parts)
{
    QStringList list(parts);
    return list.join(u' ');
}

// A surname other than `other`, so that no name repeats one.
QString surnameBefore(const QString& other, Lcg& rng)
{
    QString name = rng.pick(surnames());
    while (name == other)
        name = rng.pick(surnames());
    return name;
}

QString fullName(const QString& first, const QString& last, Lcg& rng)
{
    return join({first, surnameBefore(last, rng), last});
}

QString womanName(Lcg& rng)
{
    const QString first = rng.pick(womenNames());
    return fullName(first, rng.pick(surnames()), rng);
}

QString manName(Lcg& rng)
{
    const QString first = rng.pick(menNames());
    return fullName(first, rng.pick(surnames()), rng);
}

QString personName(Lcg& rng)
{
    return rng.chance(60) ? womanName(rng) : manName(rng);
}

struct Family
{
    QString child;
    QString mother;
    QString father;
    bool girl = false;
};

// A child carries the mother's last surname and then the father's.
Family family(Lcg& rng)
{
    const QString motherLast = rng.pick(surnames());
    const QString fatherLast = surnameBefore(motherLast, rng);
    Family f;
    const QString motherFirst = rng.pick(womenNames());
    f.mother = fullName(motherFirst, motherLast, rng);
    const QString fatherFirst = rng.pick(menNames());
    f.father = fullName(fatherFirst, fatherLast, rng);
    f.girl = rng.chance(50);
    const QString& first = f.girl ? rng.pick(girlNames()) : rng.pick(boyNames());
    f.child = join({first, motherLast, fatherLast});
    return f;
}

QString digits(Lcg& rng, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text.append(QChar(u'0' + rng.below(10)));
    return text;
}

// "(64)9xxxx-xxxx", the stored form of the telephone mask.
QString telephone(Lcg& rng)
{
    // Mobile numbers: 9 and then 6 to 9.
    const QString prefix = QString::number(rng.between(6, 9)) + digits(rng, 3);
    const QString suffix = digits(rng, 4);
    return u'(' + deployment::areaCode() + u")9" + prefix + u'-' + suffix;
}

QString cpfFormat(const QString& elevenDigits)
{
    return elevenDigits.left(3) + u'.' + elevenDigits.mid(3, 3) + u'.' + elevenDigits.mid(6, 3) + u'-' +
           elevenDigits.right(2);
}

int cpfCheckDigit(int sum)
{
    const int r = sum % 11;
    return r < 2 ? 0 : 11 - r;
}

// Nine random digits and their two check digits.
QString cpf(Lcg& rng)
{
    std::array<int, 11> d{};
    int s1 = 0;
    int s2 = 0;
    for (int i = 0; i < 9; ++i) {
        d[i] = rng.below(10);
        s1 += d[i] * (10 - i);
        s2 += d[i] * (11 - i);
    }
    d[9] = cpfCheckDigit(s1);
    d[10] = cpfCheckDigit(s2 + 2 * d[9]);
    QString text;
    for (int digit : d)
        text.append(QChar(u'0' + digit));
    return cpfFormat(text);
}

QString nis(Lcg& rng)
{
    return u'1' + digits(rng, 10);
}

QString address(Lcg& rng)
{
    const QString street = rng.pick(streets());
    return street + u", " + QString::number(rng.between(12, 1980));
}

QString emailOf(const QString& name, Lcg& rng)
{
    const QStringList parts = name.toLower().split(u' ');
    static const QStringList domains = words("email.example|correio.example|mail.example");
    const QString number = QString::number(rng.between(1, 99));
    return parts.first() + u'.' + parts.last() + number + u'@' + rng.pick(domains);
}

// Service happens on working days.
QDate workingDay(QDate date)
{
    if (date.dayOfWeek() == Qt::Saturday)
        return date.addDays(-1);
    if (date.dayOfWeek() == Qt::Sunday)
        return date.addDays(-2);
    return date;
}

// Some days past the birthday, so that the age shown on that date is exactly `age`.
QDate birthDate(int age, const QDate& at, Lcg& rng)
{
    return at.addYears(-age).addDays(-rng.between(20, 340));
}

QTime timeOfDay(Lcg& rng, int fromHour, int toHour)
{
    const int hour = rng.between(fromHour, toHour);
    return QTime(hour, rng.below(60), 0);
}

QVariant orNull(bool present, const QVariant& value)
{
    return present ? value : QVariant();
}

// Draws the value only when it is present, so that the draws keep a fixed order.
template <typename Make> QVariant maybe(Lcg& rng, int percent, Make make)
{
    if (!rng.chance(percent))
        return {};
    return make();
}

enum class SchoolKind { Cmei, State, Municipal, Private };

SchoolKind kindOf(const QString& school)
{
    if (school.startsWith(u"CMEI "))
        return SchoolKind::Cmei;
    if (school.startsWith(u"E.E. "))
        return SchoolKind::State;
    if (school.startsWith(u"E.M. "))
        return SchoolKind::Municipal;
    return SchoolKind::Private;
}

// Grade list indexes: 0..16 are the age-graded years (age = index + 1), 17 "INTEGRAL", 18 "EJA".
constexpr int kIntegralGrade = 17;
constexpr int kEjaGrade = 18;

QList<int> range(int from, int to)
{
    QList<int> list;
    for (int i = from; i <= to; ++i)
        list.append(i);
    return list;
}

QList<int> gradesOffered(SchoolKind kind)
{
    switch (kind) {
    case SchoolKind::Cmei:
        return range(0, 4);
    case SchoolKind::State:
        return range(10, 16) << kEjaGrade;
    case SchoolKind::Municipal:
        return range(3, 13) << kIntegralGrade << kEjaGrade;
    case SchoolKind::Private:
        break;
    }
    return range(3, 16);
}

QStringList shiftsOffered(SchoolKind kind, int grade)
{
    const QStringList& all = picklists::shiftList(); // MATUTINO, VESPERTINO, NOTURNO, INTEGRAL
    if (grade == kEjaGrade)
        return {all.at(2)};
    if (grade == kIntegralGrade)
        return {all.at(3)};
    if (kind == SchoolKind::Cmei)
        return {all.at(0), all.at(1), all.at(3)};
    if (kind == SchoolKind::State && grade >= 14)
        return {all.at(0), all.at(1), all.at(2)};
    return {all.at(0), all.at(1)};
}

int ageForGrade(int grade, Lcg& rng)
{
    if (grade == kIntegralGrade)
        return rng.between(4, 10);
    if (grade == kEjaGrade)
        return rng.between(18, 45);
    return grade + 1;
}

QStringList schoolsOfKind(SchoolKind kind)
{
    QStringList list;
    for (const QString& school : deployment::fullSchoolList()) {
        if (kindOf(school) == kind)
            list.append(school);
    }
    return list;
}

// Demand leans on early childhood, as it does at the department's desk.
SchoolKind requestedKind(Lcg& rng)
{
    const int roll = rng.below(100);
    if (roll < 45)
        return SchoolKind::Cmei;
    if (roll < 80)
        return SchoolKind::Municipal;
    if (roll < 95)
        return SchoolKind::State;
    return SchoolKind::Private;
}

QString weightedStatus(Lcg& rng, bool oldRequest)
{
    // Weights in the order of the status list: AGUARDANDO, ENCAMINHADO, ESTUDANDO, JA AVISADO,
    // NAO ATENDE, OUTROS, SEM VAGA, TRANSFERENCIA, TROCA, URGENTE.
    static constexpr std::array<int, 10> recent{40, 15, 1, 8, 6, 2, 10, 5, 5, 8};
    static constexpr std::array<int, 10> old{10, 35, 20, 8, 7, 2, 8, 4, 4, 2};
    const std::array<int, 10>& weights = oldRequest ? old : recent;
    int roll = rng.below(100);
    for (int i = 0; i < 10; ++i) {
        roll -= weights[i];
        if (roll < 0)
            return picklists::statusList().at(i);
    }
    return picklists::statusList().first();
}

QString remarkFor(const QString& status, Lcg& rng)
{
    if (status == u"TRANSFERENCIA")
        return QStringLiteral("TRANSFERENCIA DE OUTRO MUNICIPIO");
    if (status == u"TROCA")
        return QStringLiteral("DESEJA TROCAR DE ESCOLA POR SER MAIS PERTO DE CASA");
    if (status == u"NAO ATENDE")
        return QStringLiteral("TELEFONE NAO ATENDE, TENTAR NOVAMENTE");
    static const QStringList remarks = words(
        "IRMAO JA ESTUDA NA ESCOLA|MAE TRABALHA NO PERIODO DA MANHA|PREFERENCIA POR ESCOLA PROXIMA DE CASA|"
        "MUDOU-SE RECENTEMENTE PARA O MUNICIPIO|CRIANCA COM LAUDO, PRECISA DE APOIO|"
        "AVO E A RESPONSAVEL PELA CRIANCA|AGUARDANDO RETORNO DA ESCOLA");
    return rng.pick(remarks);
}

const QString kVida = QStringLiteral("VIDA");
const QString kEscola = QStringLiteral("ESCOLA");
const QString kSuporte = QStringLiteral("SUPORTE");
const QString kRh = QStringLiteral("RH");

DemoTable usuarios()
{
    DemoTable t{QStringLiteral("USUARIO"), words("CODIGO|NOME|LOGIN|SENHA|NIVEL"), {}};
    t.rows << QVariantList{1, QStringLiteral("MARIA APARECIDA SOUZA"), kVida, QStringLiteral("VIDA123"),
                           QStringLiteral("1")}
           << QVariantList{2, QStringLiteral("JOSE CARLOS PEREIRA"), kEscola, QStringLiteral("ESCOLA123"),
                           QStringLiteral("2")}
           << QVariantList{3, QStringLiteral("ANDERSON LIMA COSTA"), kSuporte, QStringLiteral("SUPORTE123"),
                           QStringLiteral("3")}
           << QVariantList{4, QStringLiteral("LUCIANA FERREIRA ALVES"), kRh, QStringLiteral("RH123"),
                           QStringLiteral("4")};
    return t;
}

QString schoolEmail(const QString& school)
{
    static const std::map<SchoolKind, QString> prefixes{
        {SchoolKind::Cmei, QStringLiteral("cmei")},
        {SchoolKind::State, QStringLiteral("ee")},
        {SchoolKind::Municipal, QStringLiteral("em")},
        {SchoolKind::Private, QStringLiteral("colegio")},
    };
    const QString rest = school.mid(school.indexOf(u' ') + 1).toLower().remove(u' ').remove(u'.');
    return prefixes.at(kindOf(school)) + u'.' + rest.left(20) + u"@cormavi.example";
}

DemoTable escolas(Lcg& rng)
{
    DemoTable t{QStringLiteral("ESCOLA"),
                words("ESCOLA_ID|ESCOLA|ENDERECO|AREA|TELEFONE|EMAIL|COORDENACAO|CODIGO_CENSO"),
                {}};
    int id = 0;
    for (const QString& school : deployment::fullSchoolList()) {
        ++id;
        const bool rural = rng.chance(12);
        const QString street = address(rng);
        const QString district = rural ? QStringLiteral("ZONA RURAL") : rng.pick(districts());
        t.rows << QVariantList{id,
                               school,
                               QString(street + u" - " + district),
                               rural ? QStringLiteral("RURAL") : QStringLiteral("URBANA"),
                               telephone(rng),
                               schoolEmail(school),
                               rng.chance(80) ? womanName(rng) : manName(rng),
                               QString(u"52" + digits(rng, 6))};
    }
    return t;
}

DemoTable series()
{
    DemoTable t{QStringLiteral("SERIE"), words("SERIE_ID|SERIE"), {}};
    int id = 0;
    for (const QString& grade : picklists::gradeList())
        t.rows << QVariantList{++id, grade};
    return t;
}

DemoTable turnos()
{
    DemoTable t{QStringLiteral("TURNO"), words("TUNO_ID|TURNO"), {}};
    int id = 0;
    for (const QString& shift : picklists::shiftList())
        t.rows << QVariantList{++id, shift};
    return t;
}

DemoTable cidades()
{
    DemoTable t{QStringLiteral("CIDADE"), words("ID|CIDADE"), {}};
    int id = 0;
    for (const QString& city : words("CORMAVI|SANTA RITA DO OESTE|PORTO DAS ARARAS|NOVA ESPERANCA DO SUL|"
                                     "SAO BENEDITO DA SERRA"))
        t.rows << QVariantList{++id, city};
    return t;
}

DemoTable presidente(const QDate& today)
{
    DemoTable t{QStringLiteral("PRESIDENTE"),
                words("CODIGO_PRESIDENTE|NOME_PRESIDENTE|DATA_VIGENTE|ANO_VIGENTE|CIDADE"),
                {}};
    const QString year = QString::number(today.year());
    t.rows << QVariantList{1, QStringLiteral("ROSANGELA MARTINS DE FREITAS"), QString(u"02/01/" + year), year,
                           QStringLiteral("CORMAVI")};
    return t;
}

DemoTable encaminhamentos(Lcg& rng, const QDate& today)
{
    DemoTable t{QStringLiteral("ENCAMINHAMENTO"),
                words("CODIGO|DATA_ATENDIMENTO|NOME_ALUNO|DATA_NASC|RESPONSAVEL_1|RESPONSAVEL_2|ENDERECO|"
                      "CONTATO_1|CONTATO_2|BAIRRO|OBS|STATUS|NOME_ESCOLAS|NOMES_TURNOS|NOMES_SERIES|"
                      "NIS_ALUNO|RECEBE_S_N|CPF|USUARIO"),
                {}};
    constexpr int count = 300;
    // Keys are handed out as the requests arrive, so they follow the dates.
    QList<QDate> dates;
    for (int i = 0; i < count; ++i)
        dates << workingDay(today.addDays(-rng.between(1, 240)));
    std::sort(dates.begin(), dates.end());

    for (int i = 0; i < count; ++i) {
        const QDate served = dates.at(i);
        const SchoolKind kind = requestedKind(rng);
        const QString school = rng.pick(schoolsOfKind(kind));
        const QList<int> grades = gradesOffered(kind);
        const int grade = grades.at(rng.below(static_cast<int>(grades.size())));
        const QString shift = rng.pick(shiftsOffered(kind, grade));
        const Family f = family(rng);
        const bool old = served.daysTo(today) > 120;
        const QString status = weightedStatus(rng, old);
        const bool remark =
            status == u"TRANSFERENCIA" || status == u"TROCA" || status == u"NAO ATENDE" || rng.chance(25);
        t.rows << QVariantList{
            i + 1,
            served,
            f.child,
            birthDate(ageForGrade(grade, rng), served, rng),
            f.mother,
            orNull(rng.chance(75), f.father),
            address(rng),
            telephone(rng),
            maybe(rng, 55, [&] { return telephone(rng); }),
            rng.pick(districts()),
            orNull(remark, remarkFor(status, rng)),
            status,
            school,
            shift,
            picklists::gradeList().at(grade),
            maybe(rng, 60, [&] { return cpfFormat(nis(rng)); }),
            rng.chance(40) ? QStringLiteral("SIM") : QStringLiteral("NAO"),
            maybe(rng, 85, [&] { return cpf(rng); }),
            rng.chance(85) ? kVida : kSuporte,
        };
    }
    return t;
}

DemoTable vagas(Lcg& rng, const QDate& today)
{
    DemoTable t{QStringLiteral("VAGAS"),
                words("VAGA_CODIGO|ESCOLA|SERIE|TURNO|QTD_VAGAS|USUARIO|Q_MAT_1|DATA|HORA"),
                {}};
    struct Offer
    {
        int grade;
        QString shift;
    };
    // Every school's offers in a shuffled order, then taken in turns so each school reports some.
    QList<QList<Offer>> perSchool;
    for (const QString& school : deployment::fullSchoolList()) {
        QList<Offer> offers;
        const SchoolKind kind = kindOf(school);
        for (int grade : gradesOffered(kind)) {
            for (const QString& shift : shiftsOffered(kind, grade))
                offers.append({grade, shift});
        }
        for (qsizetype i = offers.size() - 1; i > 0; --i)
            std::swap(offers[i], offers[rng.below(static_cast<int>(i + 1))]);
        perSchool.append(offers);
    }
    constexpr int count = 200;
    QList<std::pair<int, Offer>> chosen;
    for (int round = 0; chosen.size() < count; ++round) {
        for (int s = 0; s < perSchool.size() && chosen.size() < count; ++s) {
            if (round < perSchool.at(s).size())
                chosen.append({s, perSchool.at(s).at(round)});
        }
    }
    std::stable_sort(chosen.begin(), chosen.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.grade < b.second.grade;
    });
    int id = 0;
    for (const auto& [school, offer] : chosen) {
        const int free =
            rng.chance(20)
                ? 0
                : rng.between(1,
                              kindOf(deployment::fullSchoolList().at(school)) == SchoolKind::Cmei ? 6 : 12);
        t.rows << QVariantList{++id,
                               deployment::fullSchoolList().at(school),
                               picklists::gradeList().at(offer.grade),
                               offer.shift,
                               free,
                               rng.chance(70) ? kEscola : kVida,
                               free + rng.between(15, 30),
                               workingDay(today.addDays(-rng.between(0, 45))),
                               timeOfDay(rng, 8, 16)};
    }
    return t;
}

DemoTable atendimentos(Lcg& rng, const QDate& today)
{
    DemoTable t{QStringLiteral("ATENDIMENTO"),
                words("CODIGO|DATA_ATEND|ALUNO|DATA_NASC|MAE|PAI|ESCOLA|SERIE|CONTATO_1|CONTATO_2|"
                      "ASSUNTO|STATUS|ANO_LETIVO"),
                {}};
    // The information desk's school list leaves out the first eight early-childhood centres.
    QStringList schools = deployment::fullSchoolList().mid(8);
    schools << QStringLiteral("OUTRO(A)S");
    static const QStringList subjects =
        words("SOLICITA DECLARACAO DE ESCOLARIDADE|INFORMACOES SOBRE TRANSPORTE ESCOLAR|"
              "SEGUNDA VIA DO HISTORICO ESCOLAR|RECLAMACAO SOBRE FALTA DE PROFESSOR|"
              "PEDIDO DE TRANSFERENCIA ENTRE ESCOLAS|DUVIDA SOBRE CALENDARIO ESCOLAR|"
              "SOLICITA VAGA NO PERIODO INTEGRAL|INFORMACOES SOBRE MERENDA ESCOLAR");
    static const QStringList statuses = words("AGUARDANDO|RESOLVIDO|PENDENTE|PROTOCOLADO|URGENTE|OUTROS");
    for (int i = 0; i < 15; ++i) {
        const QDate served = workingDay(today.addDays(-rng.between(1, 90)));
        const QString school = rng.pick(schools);
        QList<int> grades = gradesOffered(kindOf(school));
        grades.removeAll(kIntegralGrade);
        grades.removeAll(kEjaGrade);
        const int grade = grades.at(rng.below(static_cast<int>(grades.size())));
        const Family f = family(rng);
        t.rows << QVariantList{i + 1,
                               served,
                               f.child,
                               birthDate(grade + 1, served, rng),
                               f.mother,
                               orNull(rng.chance(70), f.father),
                               school,
                               picklists::gradeList().at(grade),
                               telephone(rng),
                               maybe(rng, 40, [&] { return telephone(rng); }),
                               rng.pick(subjects),
                               rng.pick(statuses),
                               QString::number(served.year())};
    }
    return t;
}

DemoTable userpub(Lcg& rng)
{
    DemoTable t{QStringLiteral("USERPUB"),
                words("IDUSERPUB|NOMEUSERPUB|ENDUSERPUB|CIDADEUSERPUB|TELEFONEUSERPUB|OBSUSERPUB"),
                {}};
    for (int i = 0; i < 10; ++i) {
        t.rows << QVariantList{
            i + 1,
            personName(rng),
            address(rng),
            rng.chance(80) ? QStringLiteral("CORMAVI") : QStringLiteral("SANTA RITA DO OESTE"),
            telephone(rng),
            orNull(rng.chance(30), QStringLiteral("VISITANTE FREQUENTE"))};
    }
    return t;
}

DemoTable atendimentoGeral(Lcg& rng, const QDate& today)
{
    DemoTable t{
        QStringLiteral("ATENDIMENTO_GERAL"), words("CODATEND|IDUSERPUB|DATAATEND|HORARIOATEND|OBS"), {}};
    static const QStringList reasons =
        words("INFORMACOES SOBRE MATRICULA|ENTREGA DE DOCUMENTOS|PROCURA POR VAGA EM CMEI|"
              "ATUALIZACAO DE CADASTRO|SOLICITACAO DE DECLARACAO|AGENDAMENTO COM A COORDENACAO");
    for (int i = 0; i < 20; ++i) {
        t.rows << QVariantList{
            i + 1, rng.between(1, 10), workingDay(today.addDays(-rng.between(0, 60))),
            timeOfDay(rng, 8, 16).addSecs(rng.below(60)).toString(QStringLiteral("hh:mm:ss")),
            rng.pick(reasons)};
    }
    return t;
}

DemoTable colaboradores(Lcg& rng)
{
    DemoTable t{QStringLiteral("COLABORADOR"),
                words("CODIGO_COLABORADOR|NOME_COLABORADOR|CONTATO_COLABORADOR|ESCOLA|OBS|EMAIL|FUNCAO"),
                {}};
    static const QStringList roles =
        words("DIRETOR(A)|VICE-DIRETOR(A)|SECRETARIO(A) ESCOLAR|COORDENADOR(A) PEDAGOGICO(A)");
    for (int i = 0; i < 8; ++i) {
        const QString name = personName(rng);
        t.rows << QVariantList{i + 1,
                               name,
                               telephone(rng),
                               rng.pick(deployment::fullSchoolList()),
                               orNull(rng.chance(30), QStringLiteral("ATENDE NO PERIODO DA MANHA")),
                               emailOf(name, rng),
                               rng.pick(roles)};
    }
    return t;
}

DemoTable funcionarios(Lcg& rng, const QDate& today)
{
    DemoTable t{QStringLiteral("FUNCIONARIO"),
                words("ID|NOME|ENDERECO|NUMERO|BAIRRO|CIDADE|CONTATO|FUNCAO|DN|DATA_ADMISSAO|SEXO|"
                      "NATURALIDADE|CPF|RG|RG_D_EMISSAO|RG_ORGAO|CNH|CNH_CAT|TITULO_ELEITOR|TITULO_ZONA|"
                      "TITULO_SECAO|MAE|PAI|USUARIO|MATRICULA"),
                {}};
    static const QStringList roles = words("AUXILIAR ADMINISTRATIVO|MOTORISTA|ASSISTENTE SOCIAL|"
                                           "PSICOPEDAGOGA|AGENTE DE PORTARIA|NUTRICIONISTA");
    for (int i = 0; i < 6; ++i) {
        const bool woman = rng.chance(55);
        const QDate hired = today.addDays(-rng.between(200, 5000));
        const bool drives = roles.at(i) == u"MOTORISTA" || rng.chance(40);
        t.rows << QVariantList{
            i + 1,
            woman ? womanName(rng) : manName(rng),
            rng.pick(streets()),
            QString::number(rng.between(10, 999)),
            rng.pick(districts()),
            QStringLiteral("CORMAVI"),
            telephone(rng),
            roles.at(i),
            today.addYears(-rng.between(24, 58)).addDays(-rng.below(365)),
            hired,
            woman ? QStringLiteral("F") : QStringLiteral("M"),
            rng.chance(70) ? QStringLiteral("CORMAVI") : QStringLiteral("GOIANIA"),
            cpf(rng),
            digits(rng, 7),
            hired.addYears(-rng.between(2, 15)),
            QString(u"SSP/" + deployment::stateCode()),
            orNull(drives, digits(rng, 11)),
            orNull(drives, roles.at(i) == u"MOTORISTA" ? QStringLiteral("D") : QStringLiteral("AB")),
            digits(rng, 12),
            QString::number(rng.between(1, 150)).rightJustified(3, u'0'),
            QString::number(rng.between(1, 400)).rightJustified(4, u'0'),
            womanName(rng),
            maybe(rng, 85, [&] { return manName(rng); }),
            kRh,
            QString(QString::number(hired.year()) + u'.' + digits(rng, 4)),
        };
    }
    return t;
}

DemoTable agenda(Lcg& rng, const QDate& today)
{
    DemoTable t{QStringLiteral("TBAGENDA"), words("CONT|NOME|HORA|DATA|FONE|EMAIL|ASSUNTO|SITUACAO"), {}};
    static const QStringList subjects =
        words("Reunião com a direção sobre vagas do 1° período.|Entrega de documentos para matrícula.|"
              "Conversa com a família sobre transferência.|Visita técnica ao CMEI.|"
              "Atendimento da assistente social.|Retorno sobre pedido de vaga no integral.");
    for (int i = 0; i < 10; ++i) {
        const QDate day = workingDay(today.addDays(rng.between(-10, 20)));
        const QString name = personName(rng);
        const int hour = rng.between(8, 16);
        t.rows << QVariantList{i + 1,
                               name,
                               QTime(hour, rng.chance(50) ? 0 : 30),
                               day,
                               telephone(rng),
                               maybe(rng, 60, [&] { return emailOf(name, rng); }),
                               rng.pick(subjects),
                               day < today ? QStringLiteral("REALIZADO") : QStringLiteral("AGENDADO")};
    }
    return t;
}

DemoTable cadastroAnual(Lcg& rng, const QDate& today)
{
    DemoTable t{QStringLiteral("CAD_ESCOLAR_ANUAL"),
                words("CODIGO|DATA_ATENDIMENTO|NOME_ALUNO|DATA_NASC|CPF|NIS_ALUNO|ENDERECO|BAIRRO|"
                      "RESPONSAVEL_1|CONTATO_1|RESPONSAVEL_2|CONTATO_2|SITUACAO|RECEBE_S_N|ANO_BASE|"
                      "USUARIO|NOME_ESCOLA|NOME_SERIE|NOME_TURNO|DECL_TRABALHO|DECL_ENDERECO|NUM_SUS|"
                      "DEFICIENCIA|CONTROLE_INTERNO"),
                {}};
    // The screen offers only these base years.
    const QString baseYear = QString::number(std::clamp(today.year() + 1, 2023, 2025));
    const QStringList schools = deployment::municipalSchoolList();
    std::map<QString, int> controlNumbers;
    for (int i = 0; i < 12; ++i) {
        const QString school = rng.pick(schools);
        const SchoolKind kind = kindOf(school);
        // Registration grades: the grade list without "INTEGRAL", so EJA sits at 17.
        const int grade = kind == SchoolKind::Cmei ? rng.between(0, 4) : rng.between(3, 13);
        const QDate served = workingDay(today.addDays(-rng.between(1, 60)));
        const Family f = family(rng);
        const QString shift = rng.pick(shiftsOffered(kind, grade));
        t.rows << QVariantList{
            i + 1,
            served,
            f.child,
            birthDate(grade + 1, served, rng),
            maybe(rng, 80, [&] { return cpf(rng); }),
            maybe(rng, 60, [&] { return nis(rng); }),
            address(rng),
            rng.pick(districts()),
            f.mother,
            telephone(rng),
            orNull(rng.chance(75), f.father),
            maybe(rng, 50, [&] { return telephone(rng); }),
            rng.chance(90) ? QStringLiteral("ATIVO") : QStringLiteral("INATIVO"),
            rng.chance(40) ? QStringLiteral("SIM") : QStringLiteral("NAO"),
            baseYear,
            kEscola,
            school,
            picklists::registrationGradeList().at(grade),
            shift,
            rng.chance(60) ? QStringLiteral("SIM") : QStringLiteral("NAO"),
            rng.pick(words("AGUA|LUZ|OUTROS")),
            QString(u'7' + digits(rng, 14)),
            orNull(rng.chance(10), QStringLiteral("AUTISMO (TEA)")),
            QString::number(++controlNumbers[school]),
        };
    }
    return t;
}

DemoTable anos(const QDate& today)
{
    DemoTable t{QStringLiteral("ANO"), words("ID|ANO"), {}};
    for (int i = 0; i < 5; ++i)
        t.rows << QVariantList{i + 1, QString::number(today.year() - 4 + i)};
    return t;
}

DemoTable alunosGerais(Lcg& rng, const QDate& today)
{
    DemoTable t{QStringLiteral("CAD_ALUNO"),
                words("IDENTIFICACAO|CODIGO|NOME|SEXO|DN|LOGRADOURO|NUMLOG|BAIRRO|CEP|BAIRROUF|"
                      "NATURALIDADE_CIDADE|NATURALIDADE_UF|RACA|CPF|NIS|FILIACAO_MAE|FILIACAO_PAI|"
                      "NACIONALIDADE|RESPONSAVEL|GRAU_PARENTESCO|BOLSAFAMILIA|TELEFONE|CARTAO_SUS|MUNICIPIO"),
                {}};
    static const QStringList races = words("PARDA|BRANCA|PRETA|AMARELA|INDIGENA");
    for (int i = 0; i < 5; ++i) {
        const Family f = family(rng);
        t.rows << QVariantList{
            i + 1,
            QString(QString::number(today.year() - 1) + QString::number(i + 1).rightJustified(4, u'0')),
            f.child,
            f.girl ? QStringLiteral("F") : QStringLiteral("M"),
            today.addYears(-rng.between(4, 12)).addDays(-rng.below(365)),
            rng.pick(streets()),
            QString::number(rng.between(10, 999)),
            rng.pick(districts()),
            QStringLiteral("75930-000"),
            deployment::stateCode(),
            QStringLiteral("CORMAVI"),
            deployment::stateCode(),
            rng.pick(races),
            cpf(rng),
            nis(rng),
            f.mother,
            f.father,
            QStringLiteral("BRASILEIRA"),
            f.mother,
            QStringLiteral("MAE"),
            rng.chance(40) ? QStringLiteral("S") : QStringLiteral("N"),
            telephone(rng),
            QString(u'7' + digits(rng, 14)),
            QStringLiteral("CORMAVI")};
    }
    return t;
}

} // namespace

QList<DemoTable> demoData(const QDate& today)
{
    Lcg rng(20240117);
    QList<DemoTable> tables;
    tables.append(usuarios());
    tables.append(escolas(rng));
    tables.append(series());
    tables.append(turnos());
    tables.append(cidades());
    tables.append(presidente(today));
    tables.append(encaminhamentos(rng, today));
    tables.append(vagas(rng, today));
    tables.append(atendimentos(rng, today));
    tables.append(userpub(rng));
    tables.append(atendimentoGeral(rng, today));
    tables.append(colaboradores(rng));
    tables.append(funcionarios(rng, today));
    tables.append(agenda(rng, today));
    tables.append(cadastroAnual(rng, today));
    tables.append(anos(today));
    tables.append(alunosGerais(rng, today));
    return tables;
}
