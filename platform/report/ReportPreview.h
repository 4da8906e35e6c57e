#pragma once

#include "platform/report/ReportLayout.h"

#include <QDialog>

#include <functional>

class QAction;
class QLabel;
class QPrinter;
class QScrollArea;

namespace report {

class PreviewPageView;
class Report;

// The modal preview: page navigation, zoom, print through the system dialog and save as PDF.
// It lays the report out once, so the screen, the printer and the file show the same pages.
class ReportPreview final : public QDialog
{
    Q_OBJECT

public:
    // Return the chosen path, or an empty text when the user gives up.
    using FileChooser = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
    // Return true to print with the printer as set up.
    using PrintDialogRunner = std::function<bool(QPrinter& printer, QWidget* parent)>;

    using SaveErrorHandler = std::function<void(QWidget* preview, const QString& message)>;

    explicit ReportPreview(const Report& report, QWidget* parent = nullptr);

    // For every preview made afterwards: where a failed save is reported (the application's
    // message service), and stand-ins for the file and print dialogs (tests). Empty: the defaults.
    static void setSaveErrorHandler(SaveErrorHandler handler);
    static void setDefaultFileChooser(FileChooser chooser);
    static void setDefaultPrintDialogRunner(PrintDialogRunner runner);
    ~ReportPreview() override;

    const ReportLayout& layout() const { return m_layout; }
    int pageCount() const { return int(m_layout.pages.size()); }
    int currentPage() const; // from 1
    double zoom() const;
    bool fitsWholePage() const { return m_fit == Fit::Page; }

    void setFileChooser(FileChooser chooser) { m_fileChooser = std::move(chooser); }
    void setPrintDialogRunner(PrintDialogRunner runner) { m_printDialogRunner = std::move(runner); }

public slots:
    void showPage(int number);
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    void fitPage();
    void fitWidth();
    void actualSize();
    void zoomIn();
    void zoomOut();
    bool save();
    bool saveTo(const QString& path);
    bool print();

signals:
    void saveFailed(const QString& message);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    enum class Fit { None, Page, Width };

    void buildToolBar();
    void setZoom(double zoom, Fit fit);
    void applyFit();
    void refreshState();

    const Report& m_report;
    ReportLayout m_layout;
    QScrollArea* m_scroll = nullptr;
    PreviewPageView* m_view = nullptr;
    QLabel* m_pageLabel = nullptr;
    QAction* m_first = nullptr;
    QAction* m_previous = nullptr;
    QAction* m_next = nullptr;
    QAction* m_last = nullptr;
    Fit m_fit = Fit::Page;
    FileChooser m_fileChooser;
    PrintDialogRunner m_printDialogRunner;
};

} // namespace report
