// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// The score window with a full table: how long opening it takes until it shows the table (the
// keeper reads the file and the record of every game on its thread, the window builds the rows
// and the plot and shows them), with no game in the record and with 10,000 (the goal: at most
// 20 ms more), how long storing one result takes on the keeper's thread (lock, read, merge,
// write the file and sync it, rename it into place), and how long a megabyte pasted into the
// name box takes to land (the goal: under 100 ms). Each figure is the median and p99 of many
// runs in a temporary data folder; the goal is under 5 ms for the opening and the storing.
//
// usage: bench_scores [runs, default 300]
#include "benchsupport.h"

#include "desktop.h"
#include "process.h"
#include "scores/scorefile.h"
#include "scores/scorekeeper.h"
#include "scorewindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

double elapsedMs(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

QStringList row(const QString &what, const std::vector<double> &samples)
{
    return {what, Bench::number(Bench::median(samples)),
            Bench::number(Bench::quantile(samples, 0.99)), Bench::number(Bench::largest(samples))};
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    toolkit::process::prepare();
    Bench::quietRaiseRemarks();
    toolkit::QtDesktop desktop(QStringLiteral("en"));
    const int runs = argc > 1 ? std::max(10, atoi(argv[1])) : 300;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("kaludnik/scores.json"));

    // A full table on disk, as a player has after five good games.
    {
        ScoreFile seed(path);
        seed.load();
        for (int i = 0; i < ScoreTable::Size; ++i)
            seed.add({QStringLiteral("Hráč číslo %1").arg(i), 1000 + 10 * i,
                      QDateTime::currentDateTimeUtc()},
                     QStringLiteral("Hráč"));
    }

    std::vector<double> opening;
    std::vector<double> firstOpening;
    std::vector<double> openingWithRecord;
    std::vector<double> pasting;
    for (std::vector<double> *openings : {&opening, &openingWithRecord}) {
        if (openings == &openingWithRecord) {
            QFile record(folder.filePath(QStringLiteral("kaludnik/games.log")));
            if (!record.open(QIODevice::WriteOnly))
                qFatal("the record cannot be written");
            for (qint64 game = 1; game <= 10000; ++game)
                record.write("1765000000 1230 61000 " + QByteArray::number(game) + ' ' +
                             QByteArray::number(1230 * game) + " 1230\n");
        }
        for (int run = 0; run < runs; ++run) {
            // A fresh window and keeper each time, so that every opening reads the file anew
            // and starts the keeper's thread, as the first opening in a game does.
            ScoreKeeper keeper(path);
            ScoreWindow window(desktop, keeper, nullptr);
            QEventLoop answered;
            QObject::connect(&keeper, &ScoreKeeper::answered, &answered, &QEventLoop::quit);
            QElapsedTimer clock;
            clock.start();
            keeper.read();
            window.present();
            answered.exec();
            QCoreApplication::processEvents(); // the paint of the rows and the plot
            (run == 0 && openings == &opening ? firstOpening : *openings)
                .push_back(elapsedMs(clock));
            if (openings == &openingWithRecord && run < 20) {
                auto *nameBox = window.findChild<QLineEdit *>(QStringLiteral("nameBox"));
                clock.restart();
                nameBox->insert(QStringLiteral("😀\u200D").repeated(350000));
                QCoreApplication::processEvents(); // the paint of what landed
                pasting.push_back(elapsedMs(clock));
            }
            window.close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    std::vector<double> storing;
    ScoreFile file(path);
    file.load();
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        file.add({QStringLiteral("Jana"), 1710, QDateTime::currentDateTimeUtc()},
                 QStringLiteral("Jana"));
        storing.push_back(elapsedMs(clock));
    }

    Bench::printTable(
        QStringLiteral("Score window with a full table, %1 runs, ms").arg(runs),
        {QStringLiteral("what"), QStringLiteral("median"), QStringLiteral("p99"),
         QStringLiteral("largest")},
        {row(QStringLiteral("opening (reads the file)"), opening),
         row(QStringLiteral("first opening in the process"), firstOpening),
         row(QStringLiteral("opening, 10,000 games in the record"), openingWithRecord),
         row(QStringLiteral("storing one result"), storing),
         row(QStringLiteral("a megabyte pasted into the name box, 20 runs"), pasting)});
    return 0;
}
