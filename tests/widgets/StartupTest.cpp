// Runs the real executable from a game folder of its own, as a designer
// starts it, with broken and sound reference files.
#include "TestGame.h"

#include <QFile>
#include <QProcess>
#include <QTest>

class StartupTest : public QObject {
    Q_OBJECT

    struct Run {
        bool finished;
        int exitCode;
        QString errors;
    };

    static Run run(const TestGame& game, int waitMs)
    {
        const QString exe = game.filePath("tarnwick-item-editor");
        QFile::remove(exe);
        if (!QFile::copy(QStringLiteral(ITEMEDIT_EXECUTABLE), exe))
            qFatal("cannot copy the editor");
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(QDir::tempPath());  // the game folder is found from the executable
        process.start(exe, {});
        process.waitForStarted();
        const bool finished = process.waitForFinished(waitMs);
        if (!finished) {
            process.kill();
            process.waitForFinished();
        }
        return {finished, process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
    }

private slots:
    void brokenReferenceFilesStopTheStart_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");  // "-" removes the file
        QTest::addColumn<QString>("report");
        QTest::newRow("missing variety file") << "Variety.dat" << QByteArray("-") << "Variety.dat\": path or file not found";
        QTest::newRow("missing skills file") << "Skills.dat" << QByteArray("-") << "Skills.dat\": path or file not found";
        QTest::newRow("empty line at the end") << "Abilities.dat" << QByteArray("0,\"A\"\r\n\r\n")
                                               << "Abilities.dat\", record 2 (line 2): input past the end of the file";
        QTest::newRow("position beyond the list") << "Variety.dat" << QByteArray("0,\"A\"\r\n5,\"B\"\r\n")
                                                  << "Variety.dat\", record 2 (line 2): invalid argument";
        QTest::newRow("no variety") << "Variety.dat" << QByteArray("") << "Variety.dat\": invalid value";
        QTest::newRow("no ability") << "Abilities.dat" << QByteArray("") << "Abilities.dat\": invalid value";
        QTest::newRow("four skills") << "Skills.dat" << QByteArray("0,a\r\n1,b\r\n2,c\r\n3,d\r\n")
                                     << "Skills.dat\": invalid value: it holds 4 record(s)";
    }

    void brokenReferenceFilesStopTheStart()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, report);
        TestGame game;
        game.writeReferenceFiles();
        if (content == "-")
            QFile::remove(game.filePath("ItemEdit/" + file));
        else
            game.write("ItemEdit/" + file, content);
        const Run result = run(game, 10000);
        QVERIFY(result.finished);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.errors.contains("Tarnwick Item Editor cannot start."), qPrintable(result.errors));
        QVERIFY2(result.errors.contains(game.filePath("ItemEdit/" + file)), qPrintable(result.errors));
        QVERIFY2(result.errors.contains(report), qPrintable(result.errors));
    }

    void aMissingItemEditFolderStopsTheStart()
    {
        TestGame game;
        const Run result = run(game, 10000);
        QVERIFY(result.finished);
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.errors.contains("ItemEdit/Variety.dat\": path or file not found"));
    }

    void soundFilesStartTheEditor()
    {
        TestGame game;
        game.writeReferenceFiles();
        const Run result = run(game, 1500);
        QVERIFY2(!result.finished, qPrintable(result.errors));  // still running: the window is up
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
