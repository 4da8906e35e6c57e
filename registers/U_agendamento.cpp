#include "registers/U_agendamento.h"

#include "data/U_datamodulo.h"
#include "platform/dataset/Conversions.h"
#include "platform/dataset/StoredProc.h"
#include "platform/dialogs/DialogService.h"
#include "platform/dialogs/ErrorReport.h"
#include "platform/system/Locale.h"
#include "platform/widgets/DBMemo.h"
#include "platform/widgets/DBNavigator.h"
#include "platform/widgets/DataSource.h"
#include "registers/FilterText.h"
#include "registers/RecordMessages.h"
#include "registers/RecordScreen.h"
#include "registers/U_agendamento_Grid.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The names the month bar shows, position 1 to 12.
const char* const kMonthNames[] = {"Janeiro", "Fevereiro", "Março",    "Abril",   "Maio",     "Junho",
                                   "Julho",   "Agosto",    "Setembro", "Outubro", "Novembro", "Dezembro"};

const QColor kEvenRow(192, 220, 192);

QString dateTimeText(const QDateTime& now)
{
    return sys::shortDate(now.date()) + QLatin1Char(' ') + now.time().toString(QStringLiteral("hh:mm:ss"));
}

QLabel* panel(QWidget* parent, const char* name, int pixelSize)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Raised);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    label->setFont(font);
    return label;
}

QString saveFailedText(const ds::ApplyResult& result)
{
    if (result.failure == ds::ApplyResult::Failure::Conflict)
        return QStringLiteral(
            "Agendamento NAO foi salvo: outro usuario alterou ou excluiu este registro depois que a "
            "tela foi aberta.\rClique em Cancelar para recarregar os dados.");
    return QStringLiteral("Agendamento NAO foi salvo: o banco de dados recusou a operacao:\r") +
           result.message +
           QStringLiteral("\rCorrija os dados e clique em Salvar novamente, ou clique em Cancelar.");
}

} // namespace

TForm_Agenda::TForm_Agenda(QWidget* parent, std::function<QDateTime()> clock)
    : QDialog(parent), m_clock(clock ? std::move(clock) : [] { return QDateTime::currentDateTime(); }),
      m_dsagenda(new dbw::DataSource(dm->cdsagenda, this)),
      m_generator(new ds::StoredProc(dm->conexao, QStringLiteral("SP_GEN_TBAGENDA_ID"), this))
{
    setObjectName(QStringLiteral("Form_Agenda"));
    setWindowTitle(QStringLiteral("Agendamentos"));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    m_dsagenda->setObjectName(QStringLiteral("dsagenda"));
    // the grid and the memo are typed into in every state
    m_dsagenda->setAutoEdit(true);
    m_generator->setObjectName(QStringLiteral("SP_GEN_AGENDA"));
    build();
    FormCreate();
}

TForm_Agenda::~TForm_Agenda() = default;

QToolButton* TForm_Agenda::flatButton(const char* name, const QString& caption)
{
    auto* b = new QToolButton(this);
    b->setObjectName(QLatin1String(name));
    b->setText(caption);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setMinimumSize(96, 30);
    QFont font = b->font();
    font.setBold(true);
    b->setFont(font);
    return b;
}

void TForm_Agenda::build()
{
    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(8, 8, 8, 8);

    // Left: month bar, year, calendar, clock, the six buttons.
    auto* left = new QVBoxLayout;
    m_Panel1 = panel(this, "Panel1", 18);
    left->addWidget(m_Panel1);
    m_ScrollBar1 = new QScrollBar(Qt::Horizontal, this);
    m_ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    m_ScrollBar1->setRange(0, 13);
    m_ScrollBar1->setPageStep(1);
    m_ScrollBar1->setValue(1);
    left->addWidget(m_ScrollBar1);
    auto* yearRow = new QHBoxLayout;
    m_ScrollBar2 = new QPushButton(QStringLiteral("<"), this);
    m_ScrollBar2->setObjectName(QStringLiteral("ScrollBar2"));
    m_Panel3 = panel(this, "Panel3", 16);
    m_ScrollBar3 = new QPushButton(QStringLiteral(">"), this);
    m_ScrollBar3->setObjectName(QStringLiteral("ScrollBar3"));
    for (QPushButton* b : {m_ScrollBar2, m_ScrollBar3})
        b->setFixedWidth(32);
    yearRow->addWidget(m_ScrollBar2);
    yearRow->addWidget(m_Panel3, 1);
    yearRow->addWidget(m_ScrollBar3);
    left->addLayout(yearRow);
    m_Calendar1 = new QCalendarWidget(this);
    m_Calendar1->setObjectName(QStringLiteral("Calendar1"));
    m_Calendar1->setFirstDayOfWeek(Qt::Sunday);
    m_Calendar1->setNavigationBarVisible(false); // the month bar and the year buttons navigate
    m_Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_Calendar1->setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    m_Calendar1->setMinimumSize(280, 190);
    left->addWidget(m_Calendar1);
    m_Panel7 = panel(this, "Panel7", 13);
    left->addWidget(m_Panel7);
    auto* buttons = new QGridLayout;
    m_speed_agenda = flatButton("speed_agenda", QStringLiteral("&Agendar"));
    m_speed_desmarcar = flatButton("speed_desmarcar", QStringLiteral("&Desmarcar"));
    m_speed_salvar = flatButton("speed_salvar", QStringLiteral("&Salvar"));
    m_speed_alterar = flatButton("speed_alterar", QStringLiteral("&Alterar"));
    m_speed_cancelar = flatButton("speed_cancelar", QStringLiteral("&Cancelar"));
    m_speed_sair = flatButton("speed_sair", QStringLiteral("&Sair"));
    const QList<QToolButton*> six{m_speed_agenda,  m_speed_desmarcar, m_speed_salvar,
                                  m_speed_alterar, m_speed_cancelar,  m_speed_sair};
    for (qsizetype i = 0; i < six.size(); ++i)
        buttons->addWidget(six[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
    left->addLayout(buttons);
    left->addStretch(1);
    auto* today = new QFrame(this);
    today->setAutoFillBackground(true);
    QPalette todayPalette = today->palette();
    todayPalette.setColor(QPalette::Window, QColor(0x1f, 0x4e, 0x79));
    todayPalette.setColor(QPalette::WindowText, Qt::white);
    today->setPalette(todayPalette);
    auto* todayLayout = new QHBoxLayout(today);
    m_Label1 = new QLabel(today);
    m_Label1->setObjectName(QStringLiteral("Label1"));
    todayLayout->addWidget(m_Label1);
    left->addWidget(today);
    root->addLayout(left);

    // Right: navigator and period query, grid, subject.
    auto* right = new QVBoxLayout;
    auto* query = new QHBoxLayout;
    m_DBNavigator1 = new dbw::DBNavigator(this);
    m_DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    m_DBNavigator1->setDataSource(m_dsagenda);
    query->addWidget(m_DBNavigator1);
    query->addStretch(1);
    m_DateTimePicker1 = new QDateEdit(this);
    m_DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    m_DateTimePicker2 = new QDateEdit(QDate(2030, 12, 31), this);
    m_DateTimePicker2->setObjectName(QStringLiteral("DateTimePicker2"));
    for (QDateEdit* picker : {m_DateTimePicker1, m_DateTimePicker2}) {
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    }
    m_BitBtn1 = new QPushButton(QStringLiteral("Consultar"), this);
    m_BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    m_BitBtn1->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    query->addWidget(m_DateTimePicker1);
    query->addWidget(m_DateTimePicker2);
    query->addWidget(m_BitBtn1);
    right->addLayout(query);
    m_DBGrid1 = new AgendaGrid(m_dsagenda,
                               {{QStringLiteral("DATA"), {}, Qt::AlignCenter},
                                {QStringLiteral("HORA"), {}, Qt::AlignCenter},
                                {QStringLiteral("NOME"), {}},
                                {QStringLiteral("FONE"), {}}},
                               this);
    m_DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_DBGrid1->setCentredTitles({QStringLiteral("DATA"), QStringLiteral("HORA"), QStringLiteral("FONE")});
    m_DBGrid1->horizontalHeader()->resizeSection(0, 90);
    m_DBGrid1->horizontalHeader()->resizeSection(1, 60);
    m_DBGrid1->horizontalHeader()->resizeSection(2, 320);
    m_DBGrid1->setRowColour(&TForm_Agenda::DBGrid1DrawColumnCell);
    right->addWidget(m_DBGrid1, 3);
    auto* assunto = new QLabel(QStringLiteral("Assunto:"), this);
    assunto->setAutoFillBackground(true);
    QPalette assuntoPalette = assunto->palette();
    assuntoPalette.setColor(QPalette::Window, QColor(0x2e, 0x75, 0xb6));
    assuntoPalette.setColor(QPalette::WindowText, Qt::white);
    assunto->setPalette(assuntoPalette);
    assunto->setContentsMargins(6, 3, 6, 3);
    right->addWidget(assunto);
    m_DBMemo1 = new dbw::DBMemo(this);
    m_DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    m_DBMemo1->setDataSource(m_dsagenda, QStringLiteral("ASSUNTO"));
    right->addWidget(m_DBMemo1, 1);
    root->addLayout(right, 1);
    resize(1000, 620);

    m_Timer2 = new QTimer(this);
    m_Timer2->setObjectName(QStringLiteral("Timer2"));
    m_Timer2->setInterval(1000);

    auto on = [this](auto* sender, auto signal, void (TForm_Agenda::*handler)()) {
        connect(sender, signal, this, [this, handler] { dlg::guarded(this, [&] { (this->*handler)(); }); });
    };
    // Enter in a picker or a cell must not press a button
    for (QPushButton* b : {m_ScrollBar2, m_ScrollBar3, m_BitBtn1})
        b->setAutoDefault(false);
    on(m_BitBtn1, &QPushButton::clicked, &TForm_Agenda::BitBtn1Click);
    on(m_ScrollBar1, &QScrollBar::valueChanged, &TForm_Agenda::ScrollBar1Change);
    on(m_ScrollBar2, &QPushButton::clicked, &TForm_Agenda::ScrollBar2Click);
    on(m_ScrollBar3, &QPushButton::clicked, &TForm_Agenda::ScrollBar3Click);
    on(m_speed_agenda, &QToolButton::clicked, &TForm_Agenda::speed_agendaClick);
    on(m_speed_alterar, &QToolButton::clicked, &TForm_Agenda::speed_alterarClick);
    on(m_speed_desmarcar, &QToolButton::clicked, &TForm_Agenda::speed_desmarcarClick);
    on(m_speed_cancelar, &QToolButton::clicked, &TForm_Agenda::speed_cancelarClick);
    on(m_speed_salvar, &QToolButton::clicked, &TForm_Agenda::speed_salvarClick);
    on(m_speed_sair, &QToolButton::clicked, &TForm_Agenda::speed_sairClick);
    on(m_DBGrid1, &QAbstractItemView::doubleClicked, &TForm_Agenda::DBGrid1DblClick);
    on(m_Timer2, &QTimer::timeout, &TForm_Agenda::Timer2Timer);
    // a click into the subject switches the buttons to the edit state
    m_DBMemo1->viewport()->installEventFilter(this);
}

// ---- form methods ------------------------------------------------------------------------

void TForm_Agenda::ativabanco()
{
    dm->sqlagenda->open();
    dm->cdsagenda->open();
}

void TForm_Agenda::desativabanco()
{
    dm->sqlagenda->close();
    dm->cdsagenda->close();
}

void TForm_Agenda::ativabtn()
{
    for (QToolButton* b : {m_speed_agenda, m_speed_desmarcar, m_speed_alterar, m_speed_sair})
        b->setEnabled(true);
    for (QToolButton* b : {m_speed_salvar, m_speed_cancelar})
        b->setEnabled(false);
}

void TForm_Agenda::desativabtn()
{
    for (QToolButton* b : {m_speed_agenda, m_speed_desmarcar, m_speed_alterar, m_speed_sair})
        b->setEnabled(false);
    for (QToolButton* b : {m_speed_salvar, m_speed_cancelar})
        b->setEnabled(true);
}

// ---- opening and closing -----------------------------------------------------------------

void TForm_Agenda::FormCreate()
{
    ativabanco();
    const QDateTime now = m_clock();
    m_Calendar1->setSelectedDate(now.date());
    m_Panel1->setText(
        QLocale(QLocale::Portuguese, QLocale::Brazil).monthName(now.date().month(), QLocale::LongFormat));
    m_Panel3->setText(now.toString(QStringLiteral("yyyy")));
    m_Panel7->setText(QStringLiteral("Hoje: ") + dateTimeText(now));
    static const char* const systemNames[] = {"janeiro",  "fevereiro", "março",    "abril",
                                              "maio",     "junho",     "julho",    "agosto",
                                              "setembro", "outubro",   "novembro", "dezembro"};
    for (int month = 1; month <= 12; ++month) {
        if (m_Panel1->text() == QString::fromUtf8(systemNames[month - 1])) {
            // In January the bar does not move and the name stays as the system writes it.
            m_ScrollBar1->setValue(month);
            break;
        }
    }
    Timer2Timer();
    m_Timer2->start();
}

void TForm_Agenda::FormShow()
{
    m_DateTimePicker1->setDate(m_clock().date());
    ds::ClientDataSet* cds = dm->cdsagenda;
    cds->refresh();
    cds->last();
    BitBtn1Click();
    ativabtn();
}

void TForm_Agenda::FormClose(bool& canClose)
{
    ds::ClientDataSet* cds = dm->cdsagenda;
    m_DBGrid1->closeOpenEditor(true);
    // Typing into the grid or the memo opens the row by itself: ask before it is lost.
    if (cds->isActive() && (cds->isEditing() || cds->changeCount() > 0)) {
        if (dlg::askYesNo(this, QStringLiteral("Dados Alterados"), QStringLiteral("Gravar alterações?"),
                          dlg::Icon::Question, dlg::Button::Yes)) {
            if (!saveAppointment()) {
                canClose = false;
                return;
            }
        } else {
            cds->cancel();
            cds->cancelUpdates();
        }
    }
    cds->setFiltered(false);
    cds->close();
    // The next dataset opened anywhere connects again.
    dm->conexao->close();
}

void TForm_Agenda::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        dlg::guarded(this, [this] { FormShow(); });
}

void TForm_Agenda::closeEvent(QCloseEvent* event)
{
    // The system's close command is ignored: the window is left through "Sair".
    if (!m_closeRequested) {
        event->ignore();
        return;
    }
    bool canClose = true;
    if (!dlg::guarded(this, [&] { FormClose(canClose); }))
        canClose = false;
    if (!canClose) {
        event->ignore();
        return;
    }
    m_Timer2->stop();
    event->accept();
    done(QDialog::Rejected);
}

bool TForm_Agenda::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_DBMemo1->viewport() && event->type() == QEvent::MouseButtonPress)
        DBMemo1Click();
    return QDialog::eventFilter(watched, event);
}

void TForm_Agenda::reject()
{
    // Escape closes nothing either.
}

// ---- month, year and period ----------------------------------------------------------------

int TForm_Agenda::year() const
{
    return m_Panel3->text().toInt();
}

void TForm_Agenda::setYear(int value)
{
    m_Panel3->setText(QString::number(value));
}

void TForm_Agenda::showCalendarMonth(int month, int yearValue)
{
    const QDate first(yearValue, month, 1);
    if (!first.isValid())
        return;
    const int day = std::min(m_Calendar1->selectedDate().day(), first.daysInMonth());
    m_Calendar1->setSelectedDate(QDate(yearValue, month, day));
    m_Calendar1->setCurrentPage(yearValue, month);
}

void TForm_Agenda::ScrollBar1Change()
{
    const int position = m_ScrollBar1->value();
    if (position >= 1 && position <= 12)
        m_Panel1->setText(QString::fromUtf8(kMonthNames[position - 1]));
    if (position == 13) {
        m_ScrollBar1->setValue(1);
        setYear(year() + 1);
    }
    if (position == 0) {
        m_ScrollBar1->setValue(12);
        setYear(year() - 1);
    }
    showCalendarMonth(m_ScrollBar1->value(), year());
}

void TForm_Agenda::ScrollBar2Click()
{
    setYear(year() - 1);
    showCalendarMonth(m_Calendar1->selectedDate().month(), year());
}

void TForm_Agenda::ScrollBar3Click()
{
    setYear(year() + 1);
    showCalendarMonth(m_Calendar1->selectedDate().month(), year());
}

void TForm_Agenda::BitBtn1Click()
{
    ds::ClientDataSet* cds = dm->cdsagenda;
    if (!cds->isActive())
        cds->open();
    cds->setFilterCaseInsensitive(true);
    cds->setFilter(QStringLiteral("Data>=") + QuotedStr(sys::shortDate(m_DateTimePicker1->date())) +
                   QStringLiteral(" and ") + QStringLiteral("Data<=") +
                   QuotedStr(sys::shortDate(m_DateTimePicker2->date())));
    cds->setFiltered(true);
}

// ---- appointments ------------------------------------------------------------------------

void TForm_Agenda::speed_agendaClick()
{
    const int key = m_generator->execute(QStringLiteral("ID"));
    ds::ClientDataSet* cds = dm->cdsagenda;
    if (!cds->isActive())
        cds->open();
    cds->last();
    cds->insert();
    cds->fieldByName(QStringLiteral("CONT")).setAsInteger(key);
    const QDate picked = m_Calendar1->selectedDate();
    cds->fieldByName(QStringLiteral("DATA"))
        .setAsDate(
            ds::toDate(QStringLiteral("%1/%2/%3").arg(picked.day()).arg(picked.month()).arg(picked.year())));
    m_DBGrid1->setFocus();
    m_DBGrid1->selectField(QStringLiteral("HORA"));
    desativabtn();
}

void TForm_Agenda::speed_alterarClick()
{
    ds::ClientDataSet* cds = dm->cdsagenda;
    // nothing to edit in an empty list (editing there would start a row without a key)
    if (!cds->isActive() || cds->isEmpty())
        return;
    cds->edit();
    desativabtn();
}

bool TForm_Agenda::saveAppointment()
{
    ds::ClientDataSet* cds = dm->cdsagenda;
    m_dsagenda->edit();
    m_dsagenda->updateRecord();
    cds->post();
    const ds::ApplyResult result = cds->applyUpdates(0);
    if (!result.ok()) {
        // The change stays pending: "Salvar" tries again, "Cancelar" drops it and reloads.
        dlg::showError(this, saveFailedText(result), record_messages::saveFailedTitle());
        return false;
    }
    cds->refresh();
    return true;
}

void TForm_Agenda::speed_salvarClick()
{
    m_DBGrid1->closeOpenEditor(true);
    if (m_DBMemo1->toPlainText().isEmpty()) {
        dlg::showError(this, QStringLiteral("O campo abaixo não pode ficar em Branco"),
                       QStringLiteral("Erro"));
        return;
    }
    if (!dlg::askYesNo(this, QStringLiteral("Salvar"), QStringLiteral("Deseja Salvar o Registro?"),
                       dlg::Icon::Question, dlg::Button::Yes))
        return;
    if (saveAppointment())
        ativabtn();
}

void TForm_Agenda::speed_desmarcarClick()
{
    ds::ClientDataSet* cds = dm->cdsagenda;
    if (!cds->isActive() || cds->isEmpty() || cds->fieldByName(QStringLiteral("NOME")).isNull()) {
        dlg::showMessage(this, QStringLiteral("não há registro a ser apagado"));
        return;
    }
    if (!dlg::askYesNo(this, QStringLiteral("Confirmação"),
                       QStringLiteral("Tem certeza que deseja apagar o registro? "), dlg::Icon::Question,
                       dlg::Button::Yes))
        return;
    cds->deleteRecord();
    const ds::ApplyResult result = cds->applyUpdates(0);
    if (!result.ok()) {
        cds->cancelUpdates();
        dlg::showError(this, record_messages::deleteFailed(result), record_messages::deleteFailedTitle());
        cds->refresh();
    }
}

void TForm_Agenda::speed_cancelarClick()
{
    m_DBGrid1->closeOpenEditor(false);
    cancelRow(dm->cdsagenda);
    ativabtn();
}

void TForm_Agenda::speed_sairClick()
{
    m_closeRequested = true;
    close();
    m_closeRequested = false;
}

std::optional<QColor> TForm_Agenda::DBGrid1DrawColumnCell(int row, bool selected)
{
    const int recNo = row + 1; // record numbers count from 1
    if (selected || recNo % 2 != 0)
        return std::nullopt;
    return kEvenRow;
}

void TForm_Agenda::Timer2Timer()
{
    const QDateTime now = m_clock();
    m_Panel7->setText(QStringLiteral("Hoje: ") + dateTimeText(now));
    m_Label1->setText(QStringLiteral("Hoje: ") + sys::shortDate(now.date()));
}
