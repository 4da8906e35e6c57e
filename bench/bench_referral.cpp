// The referral register on 100,000 requests: opening it and one keystroke of the name search,
// each against its baseline in the same run.
#include "bench/BenchSupport.h"
#include "data/U_datamodulo.h"
#include "platform/dialogs/DialogService.h"
#include "platform/firebird/FbConnection.h"
#include "referral/U_Cad_Alunos.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <algorithm>
#include <memory>
#include <vector>

using namespace bench;

namespace {

constexpr int kRows = 100000;

// A box would wait for a user; the benchmark counts them instead.
class CountingDialogs final : public dlg::DialogService
{
public:
    dlg::Button show(QWidget*, const dlg::Request& request) override
    {
        std::printf("unexpected box: %s\n", qPrintable(request.text));
        return request.defaultButton;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir lockDir;
    if (qEnvironmentVariableIsEmpty("FIREBIRD_LOCK"))
        qputenv("FIREBIRD_LOCK", lockDir.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    dlg::setDialogService(std::make_unique<CountingDialogs>());
    {
        RequestsDatabase db(kRows);
        const double raw = rawFetch(db.path());
        report("raw_fetch", raw, "ms");

        dm = new Tdm;
        dm->setConfigPath(db.configPath());
        dm->start();

        // Created (every chain loaded, sorted by date), shown (the show sequence reloads the
        // requests once more) and painted.
        std::unique_ptr<TFrm_Cad_Aluno> screen;
        double open = 1e300;
        for (int i = 0; i < 3; ++i) {
            screen.reset();
            const auto start = Clock::now();
            screen = std::make_unique<TFrm_Cad_Aluno>();
            screen->show();
            QApplication::processEvents();
            open = std::min(open, msSince(start));
        }
        if (dm->cdsaluno->recordCount() != kRows)
            std::printf("register shows %d rows\n", dm->cdsaluno->recordCount());
        report("open_register", open, "ms", raw);

        // One keystroke in the name box, filter and repaint, against a plain loop over the names.
        const int name = dm->cdsaluno->fieldIndex(QStringLiteral("NOME_ALUNO"));
        std::vector<QByteArray> names;
        for (int r = 0; r < dm->cdsaluno->recordCount(); ++r)
            names.push_back(dm->cdsaluno->value(r, name).toString().toUtf8());
        int plainCount = 0;
        const double plain = bestOf(5, [&] {
            plainCount = static_cast<int>(std::count_if(
                names.begin(), names.end(), [](const QByteArray& n) { return n.startsWith("M"); }));
        });
        auto* box = screen->findChild<QLineEdit*>(QStringLiteral("Editbusca"));
        double typed = 1e300;
        for (int i = 0; i < 5; ++i) {
            box->clear();
            QApplication::processEvents();
            const auto start = Clock::now();
            QTest::keyClick(box, Qt::Key_M);
            QApplication::processEvents();
            typed = std::min(typed, msSince(start));
        }
        if (dm->cdsaluno->recordCount() != plainCount)
            std::printf("search mismatch: %d rows against %d\n", dm->cdsaluno->recordCount(), plainCount);
        report("name_search_plain_loop", plain, "ms");
        report("name_search_keystroke", typed, "ms", plain);
        report("name_search_keystroke_vs_fetch", typed, "ms", raw);

        screen.reset();
        delete dm;
        dm = nullptr;
    }
    fb::Connection::shutdownEngine();
    return 0;
}
