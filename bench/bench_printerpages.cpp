// Times what the printer pages cost against a real cupsd: loadPreset on its
// own, and opening the Printer and Alignment tabs of the real window while a
// preset is selected (the tab change up to the moment the page has applied
// the preset). Two presets take turns, so every run changes every option.
// Prints the median of each in milliseconds.
#include "PrinterPageFixture.h"
#include "SettingsWindow.h"
#include "VHSettingsPrinter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQuickItem>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace {

QStringList presetOptions(int variant)
{
    const QString a = QString::number(variant);
    const QString sign = variant ? QStringLiteral("-") : QString();
    return {"orientation-requested",
            variant ? "3" : "5",
            "MirrorPrint",
            variant ? "True" : "False",
            "NegativePrint",
            variant ? "False" : "True",
            "Overprint",
            "False",
            "WhiteBase",
            "True",
            "CutMedia",
            variant ? "0" : "2",
            "Hoffset1",
            sign + "12",
            "Hoffset2",
            a,
            "Voffset1",
            sign + "7",
            "Voffset2",
            a,
            "Feed",
            sign + "3",
            "Stop",
            a,
            "Dithering",
            variant ? "16" : "32",
            "head1Offset",
            sign + "2",
            "head2Offset",
            a,
            "R1TensionAdjust",
            variant ? "120" : "90",
            "R2TensionAdjust",
            "100",
            "RibbonSaver",
            "Disabled"};
}

// Median of `runs` timings of `timed`, each after an untimed `prepare`.
double medianMs(int runs, const std::function<void(int)> &prepare, const std::function<void()> &timed)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare(i);
        QElapsedTimer timer;
        timer.start();
        timed();
        times.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return runs % 2 ? times[runs / 2] : (times[runs / 2 - 1] + times[runs / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 21;
    QTextStream out(stdout);

    PrinterPageFixture fixture;
    if (!fixture.isReady()) {
        out << "no CUPS scheduler: " << fixture.errorString() << '\n';
        return 1;
    }
    fixture.reset("orientation-requested=4 CutMedia=1");
    PrinterPageFixture::storePreset("BenchA", presetOptions(0));
    PrinterPageFixture::storePreset("BenchB", presetOptions(1));
    const QStringList names{"BenchA", "BenchB"};

    {
        VHSettingsPrinter printer;
        int next = 0;
        const double ms = medianMs(
            runs, [&](int i) { next = i % 2; }, [&]() { printer.loadPreset(names[next]); });
        out << QStringLiteral("loadPreset: %1 ms\n").arg(ms, 0, 'f', 2);
    }

    SettingsWindow window(0);
    QObject *printer = window.contextObject("SettingsPrinter");
    // Selects a preset on the presets tab (which applies it), optionally lets
    // the queue's options change meanwhile, then times the tab change alone.
    auto openTab = [&](int tab, bool changedMeanwhile) {
        return medianMs(
            runs,
            [&](int i) {
                window.showTab(8);
                PrinterPageFixture::choose(window.item("presetBox"), names[i % 2]);
                if (changedMeanwhile)
                    QMetaObject::invokeMethod(printer, "loadPreset", Q_ARG(QString, names[(i + 1) % 2]));
                QCoreApplication::processEvents();
            },
            [&]() { window.showTab(tab); });
    };
    openTab(6, true); // warms up
    for (const auto &tab :
         {qMakePair(6, QStringLiteral("Printer")), qMakePair(7, QStringLiteral("Alignment"))}) {
        out << QStringLiteral("open %1 page, preset applied: %2 ms\n")
                   .arg(tab.second)
                   .arg(openTab(tab.first, false), 0, 'f', 2);
        out << QStringLiteral("open %1 page, options changed since: %2 ms\n")
                   .arg(tab.second)
                   .arg(openTab(tab.first, true), 0, 'f', 2);
    }
    return 0;
}
