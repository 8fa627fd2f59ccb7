// Time from starting the process to its password window being painted, and the peak resident
// memory at that moment, for the real program and for a minimal one-dialog Qt program.
// The real program's intended start-up pause is subtracted. Run with QT_QPA_PLATFORM set as
// wanted (offscreen by default from scripts/run-benchmarks.sh, or xcb under a display).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <algorithm>

namespace {

constexpr int runs = 15;

struct Launch {
    double milliseconds = 0;
    double peakKb = 0;
};

Launch launch(const QString& program) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(QCoreApplication::applicationDirPath() + u'/' + program, {});
    Launch result;
    while (process.waitForReadyRead(20000)) {
        if (!process.canReadLine())
            continue;
        result.milliseconds = double(timer.nsecsElapsed()) / 1e6;
        const QList<QByteArray> words = process.readLine().trimmed().split(' ');
        if (words.size() == 2 && words[0] == "shown")
            result.peakKb = words[1].toDouble();
        break;
    }
    process.waitForFinished(20000);
    return result;
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values[values.size() / 2];
}

} // namespace

class StartUpBenchmark : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startUpFigures_data() { programs(); }
    void startUpFigures();
    void startUpToPasswordWindow_data() { programs(); }
    void startUpToPasswordWindow();

private:
    static void programs();
};

void StartUpBenchmark::programs() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<double>("intendedPause");
    QTest::newRow("minimal Qt Widgets dialog") << QStringLiteral("startup_probe_minimal") << 0.0;
    QTest::newRow("zakat-waris") << QStringLiteral("startup_probe_shell") << 600.0;
}

void StartUpBenchmark::startUpFigures() {
    QFETCH(QString, program);
    QFETCH(double, intendedPause);
    QList<double> times;
    QList<double> peaks;
    for (int i = 0; i < runs; ++i) {
        const Launch result = launch(program);
        QVERIFY2(result.peakKb > 0, "the probe did not report its window");
        times.append(result.milliseconds - intendedPause);
        peaks.append(result.peakKb);
    }
    qInfo("%s: median %.1f ms from start to window (pause subtracted), best %.1f ms; "
          "peak resident %.0f kB (median of %d runs)",
          qPrintable(program), median(times), *std::min_element(times.cbegin(), times.cend()),
          median(peaks), runs);
}

// The whole run of the probe, pause included, as Qt Test measures it.
void StartUpBenchmark::startUpToPasswordWindow() {
    QFETCH(QString, program);
    QBENCHMARK {
        launch(program);
    }
}

QTEST_GUILESS_MAIN(StartUpBenchmark)
#include "StartUpBenchmark.moc"
