#pragma once

#include "platform/report/ReportLayout.h"

#include <QWidget>

namespace report {

// One page of a laid-out report on screen, at a zoom factor (1.0 = actual size).
class PreviewPageView final : public QWidget
{
    Q_OBJECT

public:
    explicit PreviewPageView(const ReportLayout& layout, QWidget* parent = nullptr);

    int pageIndex() const { return m_pageIndex; }
    void setPageIndex(int index);
    double zoom() const { return m_zoom; }
    void setZoom(double zoom);

    // The zoom at which a paper of this layout fills the given size, one way or both.
    double zoomToFit(const QSize& area, bool widthOnly) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double dotsPerMm() const;
    QSizeF paperPx() const;

    const ReportLayout& m_layout;
    int m_pageIndex = 0;
    double m_zoom = 1.0;
};

} // namespace report
