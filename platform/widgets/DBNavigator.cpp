#include "platform/widgets/DBNavigator.h"

#include "platform/dataset/ClientDataSet.h"
#include "platform/dialogs/ErrorReport.h"
#include "platform/widgets/DataSource.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace dbw {

namespace {
QToolButton* navButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon, const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(true);
    return button;
}
} // namespace

DBNavigator::DBNavigator(QWidget* parent)
    : QWidget(parent),
      m_first(navButton(this, "nbFirst", QStyle::SP_MediaSkipBackward, QStringLiteral("Primeiro"))),
      m_prior(navButton(this, "nbPrior", QStyle::SP_MediaSeekBackward, QStringLiteral("Anterior"))),
      m_next(navButton(this, "nbNext", QStyle::SP_MediaSeekForward, QStringLiteral("Proximo"))),
      m_last(navButton(this, "nbLast", QStyle::SP_MediaSkipForward, QStringLiteral("Ultimo")))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (QToolButton* b : {m_first, m_prior, m_next, m_last})
        layout->addWidget(b);
    connect(m_first, &QToolButton::clicked, this,
            [this] { move([](DataSource* s) { s->dataSet()->first(); }); });
    connect(m_prior, &QToolButton::clicked, this,
            [this] { move([](DataSource* s) { s->dataSet()->prior(); }); });
    connect(m_next, &QToolButton::clicked, this,
            [this] { move([](DataSource* s) { s->dataSet()->next(); }); });
    connect(m_last, &QToolButton::clicked, this,
            [this] { move([](DataSource* s) { s->dataSet()->last(); }); });
    updateButtons();
}

void DBNavigator::setDataSource(DataSource* source)
{
    m_source = source;
    ds::ClientDataSet* cds = source->dataSet();
    connect(cds, &ds::ClientDataSet::currentChanged, this, &DBNavigator::updateButtons);
    connect(cds, &ds::ClientDataSet::dataReset, this, &DBNavigator::updateButtons);
    connect(cds, &ds::ClientDataSet::stateChanged, this, &DBNavigator::updateButtons);
    updateButtons();
}

void DBNavigator::move(void (*step)(DataSource*))
{
    if (m_source && m_source->dataSet())
        dlg::guarded(window(), [&] { step(m_source); });
    updateButtons();
}

void DBNavigator::updateButtons()
{
    ds::ClientDataSet* cds = m_source ? m_source->dataSet() : nullptr;
    const bool usable = cds && cds->isActive() && !cds->isEditing() && cds->recordCount() > 0;
    const int pos = usable ? cds->recNo() : -1;
    const int lastRow = usable ? cds->recordCount() - 1 : -1;
    m_first->setEnabled(usable && pos > 0);
    m_prior->setEnabled(usable && pos > 0);
    m_next->setEnabled(usable && pos < lastRow);
    m_last->setEnabled(usable && pos < lastRow);
}

} // namespace dbw
