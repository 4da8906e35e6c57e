#pragma once

#include "platform/report/Report.h"

#include <QObject>

#include <memory>

class QWidget;

namespace referral {

// What every referral document window is: one report, QuickRep1, shown in a modal preview.
// Values are read from the sources when the report is laid out, so the document prints the rows
// that are current at that moment; it changes nothing in them.
class ReferralDocument : public QObject
{
    Q_OBJECT

public:
    ~ReferralDocument() override;

    report::Report& QuickRep1() { return *m_quickRep1; }
    const report::Report& QuickRep1() const { return *m_quickRep1; }

    // Modal; returns when the preview is closed.
    void preview(QWidget* parent) const;

protected:
    ReferralDocument(const QString& objectName, QObject* parent);

private:
    std::unique_ptr<report::Report> m_quickRep1;
};

} // namespace referral
