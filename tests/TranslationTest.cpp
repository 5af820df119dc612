#include "app/Translations.h"
#include "records/history/HistoryReader.h"
#include "records/history/UpdateHistory.h"
#include "tests/support/PanelDriver.h"
#include "tests/support/Samples.h"
#include "tests/support/SimulatedInstrument.h"
#include "tests/support/UpdaterRun.h"
#include "ui/HistoryTableModel.h"
#include "ui/Updater.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// "%1".."%99" and "%n", each once however often it appears.
QStringList placeholdersOf(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d{1,2}|n)"));
    QStringList found;
    for (auto match = placeholder.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    found.removeDuplicates();
    found.sort();
    return found;
}

struct Message
{
    QString source;
    QString translationType; // "unfinished", "obsolete", "vanished" or empty
    QStringList forms;       // one, or one a plural form
};

QList<Message> messagesIn(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
            messages.append({xml.readElementText(), QString(), {}});
        } else if (xml.isStartElement() && xml.name() == QLatin1String("translation") && !messages.isEmpty()) {
            Message& message = messages.last();
            message.translationType = xml.attributes().value(QLatin1String("type")).toString();
            QString text; // plain, or numerusform elements
            while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::EndElement
                                     && xml.name() == QLatin1String("translation"))) {
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    message.forms << xml.readElementText();
            }
            if (message.forms.isEmpty())
                message.forms << text;
        }
    }
    return xml.hasError() ? QList<Message>() : messages;
}

} // namespace

class TranslationTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTranslationIsFinishedAndKeepsItsPlaceholders_data();
    void everyTranslationIsFinishedAndKeepsItsPlaceholders();
    void germanDesktopReadsGermanWhileTheSessionLogKeepsEnglish();
    void aWorkersLinesAreTranslatedWhereShown();
    void historyTableSaysTheStateAsTheWindowDoes_data();
    void historyTableSaysTheStateAsTheWindowDoes();
};

void TranslationTest::everyTranslationIsFinishedAndKeepsItsPlaceholders_data()
{
    QTest::addColumn<QString>("file");
    for (const char* language : {"de", "fr", "ja", "zh_CN"})
        QTest::newRow(language) << QStringLiteral(RZ_TRANSLATIONS_SOURCE_DIR "/rz-firmware-updater_%1.ts").arg(language);
}

void TranslationTest::everyTranslationIsFinishedAndKeepsItsPlaceholders()
{
    QFETCH(QString, file);
    const QList<Message> messages = messagesIn(file);
    QVERIFY2(messages.size() > 100, qPrintable(file));
    for (const Message& message : messages) {
        const QByteArray what = message.source.toUtf8();
        QVERIFY2(message.translationType.isEmpty(), what + " is " + message.translationType.toUtf8());
        QVERIFY2(!message.forms.isEmpty(), what);
        for (const QString& form : message.forms) {
            QVERIFY2(!form.trimmed().isEmpty(), what);
            QCOMPARE(placeholdersOf(form), placeholdersOf(message.source));
        }
    }
}

// The test runs with LANG=de_DE.UTF-8 (tests/CMakeLists.txt).
void TranslationTest::germanDesktopReadsGermanWhileTheSessionLogKeepsEnglish()
{
    Translations::install();
    PanelDriver driver;
    QCOMPARE(driver.checkButton()->text(), QStringLiteral("  Versionen prüfen  "));
    QCOMPARE(driver.updateButton()->text(), QStringLiteral("  Aktualisieren  "));
    QCOMPARE(driver.restoreButton()->text(), QStringLiteral("  Wiederherstellen  "));
    QVERIFY(driver.logLines().contains(QStringLiteral("Bitte lesen Sie die folgenden Hinweise, bevor Sie fortfahren.")));
    QVERIFY(!driver.logLines().contains(QStringLiteral("Please read below before continuing.")));

    driver.panel()->syncLog(); // lines are written on the log's own thread
    QFile sessionLog(driver.panel()->sessionLogPath());
    QVERIFY(sessionLog.open(QIODevice::ReadOnly));
    const QString kept = QString::fromUtf8(sessionLog.readAll());
    QVERIFY(kept.contains(QStringLiteral("Please read below before continuing.")));
    QVERIFY(!kept.contains(QStringLiteral("Bitte lesen")));
}

// Lines made on the writer's thread, and the texts inside them (a
// component's name, a time), reach the terminal in German; the report and
// the session log keep them English.
void TranslationTest::aWorkersLinesAreTranslatedWhereShown()
{
    SimulatedInstrument instrument;
    instrument.create(SimulatedInstrument::usbModel("RZ610R", 4, 5, 9));
    UpdaterRun run({"update", "--json"});
    QCOMPARE(run.finish(), 0);
    const QStringList shown = QString::fromUtf8(run.errors).split('\n');
    const QJsonObject report = QJsonDocument::fromJson(run.output).object();
    QFile log(report.value("logFile").toString());
    QVERIFY2(log.open(QIODevice::ReadOnly), qPrintable(log.fileName()));
    const QString kept = QString::fromUtf8(log.readAll());
    const QStringList german{"Boot-Fx3 wird übersprungen, bereits aktuelle Version.",
                             "FPGA wird aktualisiert, geschätzt 6 Minuten."};
    const QStringList english{"Skipping boot Fx3, already current version.", "Updating FPGA, estimated 6 minutes."};
    for (int at = 0; at < german.size(); ++at) {
        QVERIFY2(shown.contains(german[at]), run.errors.constData());
        QVERIFY(report.value("lines").toArray().contains(english[at]));
        QVERIFY2(kept.contains(english[at]) && !kept.contains(german[at]), qPrintable(kept));
    }
}

void TranslationTest::historyTableSaysTheStateAsTheWindowDoes_data()
{
    QTest::addColumn<int>("ending"); // 0: succeeded, 1: failed, 2: interrupted
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown"); // the window's result column
    QTest::newRow("succeeded") << 0 << "succeeded" << "erfolgreich";
    QTest::newRow("failed, with its line") << 1 << "failed" << "fehlgeschlagen: Failed Writing";
    QTest::newRow("interrupted") << 2 << "interrupted" << "unterbrochen: Failed Writing";
}

// The terminal's table and the window's history show an attempt's state in
// the operator's language; --json keeps the word the history stores.
void TranslationTest::historyTableSaysTheStateAsTheWindowDoes()
{
    QFETCH(int, ending);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    Translations::install();
    SimulatedInstrument instrument; // a state folder of its own
    {
        UpdateHistory history([](const OperatorText& line) { QFAIL(qPrintable(line.english())); });
        const qint64 id = history.begin(sampleAttempt(), false);
        ending == 2 ? history.interrupt(id, "Failed Writing") : history.finish(id, ending == 0, "Failed Writing");
    }
    const HistoryReader reader([](const OperatorText& line) { QFAIL(qPrintable(line.english())); });
    HistoryTableModel window(reader, nullptr);
    window.show({});
    QCOMPARE(window.index(0, UpdateAttempt::State).data().toString(), shown);
    UpdaterRun table({"history"});
    QCOMPARE(table.finish(), 0);
    QVERIFY2(table.lines().value(1).endsWith("  " + shown), table.output.constData());
    UpdaterRun json({"history", "--json"});
    QCOMPARE(json.finish(), 0);
    QCOMPARE(QJsonDocument::fromJson(json.output).object().value("attempts")[0]["state"].toString(), stored);
}

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
