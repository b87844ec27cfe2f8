// The manual pages and the bash completion, made from what the programs print for --help.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString manDir = QStringLiteral(MAN_DIR);

QString runProgram(const QString &program, const QStringList &args, QString *err = nullptr,
                   int *status = nullptr)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(-1);
    if (err)
        *err = QString::fromUtf8(p.readAllStandardError());
    if (status)
        *status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput());
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every option of --help, as it is typed: "-d", "--dest" ...
QStringList optionsOf(const QString &help)
{
    QStringList options;
    static const QRegularExpression line(QStringLiteral("^  (-.+?)(?: {2,}|$)"),
                                         QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(help); it.hasNext();)
        for (const QString &part : it.next().captured(1).split(", "))
            options << part.section(' ', 0, 0);
    return options;
}

// The page as man shows it, without bold and underlining, on lines long enough not to wrap,
// blanks collapsed.
QString rendered(const QString &page, QString *warnings)
{
    QString text = runProgram(
        "groff", {"-man", "-Tutf8", "-ww", "-rLL=400n", "-rHY=0", "-P-cbou", page}, warnings);
    return text.replace(QRegularExpression(" +"), " ");
}

} // namespace

class TestManPages : public QObject
{
    Q_OBJECT

  private slots:
    void pageHoldsEveryOption_data();
    void pageHoldsEveryOption();
    void pageRendersWithoutWarnings_data();
    void pageRendersWithoutWarnings();
    void compressedForThePackage_data();
    void compressedForThePackage();
    void completion_data();
    void completion();

  private:
    void programs();
};

void TestManPages::programs()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("name");
    QTest::newRow("tolvane-build") << QStringLiteral(TOLVANE_BUILD) << "tolvane-build";
#ifdef TOLVANE_WINDOWS
    QTest::newRow("tolvane") << QStringLiteral(TOLVANE_WINDOWS) << "tolvane";
#endif
}

void TestManPages::pageHoldsEveryOption_data()
{
    programs();
}

void TestManPages::pageHoldsEveryOption()
{
    QFETCH(QString, program);
    QFETCH(QString, name);
    const QString help = runProgram(program, {"--help"});
    const QStringList options = optionsOf(help);
    QVERIFY2(options.contains("--help") && options.contains("--version"), qPrintable(help));
    const QString page = QString::fromUtf8(readAll(manDir + "/" + name + ".1"));
    QVERIFY(!page.isEmpty());
    for (QString option : options)
        QVERIFY2(page.contains("\\fB" + option.replace("-", "\\-") + "\\fR"), qPrintable(option));
    if (name == "tolvane-build") {
        QVERIFY(options.contains("--timeout") && options.contains("--registry"));
        // Every exit status, and the examples.
        static const QRegularExpression status("^ +(\\d+)  ", QRegularExpression::MultilineOption);
        int statuses = 0;
        for (auto it = status.globalMatch(help); it.hasNext(); ++statuses)
            QVERIFY(page.contains(".TP\n.B " + it.next().captured(1) + "\n"));
        QCOMPARE(statuses, 25);
        QVERIFY(page.contains(".SH EXAMPLES\n"));
        QVERIFY(page.contains("\ntolvane\\-build game.tpf \\-\\-dest out\n"));
    } else {
        QVERIFY(page.contains("\ntolvane ~/Projects/game.tpf\n"));
    }
}

void TestManPages::pageRendersWithoutWarnings_data()
{
    programs();
}

void TestManPages::pageRendersWithoutWarnings()
{
    QFETCH(QString, name);
    if (QStandardPaths::findExecutable("groff").isEmpty())
        QSKIP("groff is not installed");
    QString warnings;
    const QString text = rendered(manDir + "/" + name + ".1", &warnings);
    QCOMPARE(warnings, QString());
    QVERIFY2(text.contains("\nNAME\n " + name + " - "), qPrintable(text));
    QVERIFY(text.contains("\nSEE ALSO\n"));
    if (name == "tolvane-build") {
        QVERIFY2(text.contains("\n -d, --dest DIR\n Folder the outputs go to (required; it must "
                               "exist).\n"),
                 qPrintable(text));
        QVERIFY(text.contains("\n 30 a compiler ran longer than --timeout SECONDS and was "
                              "stopped\n"));
        QVERIFY(text.contains("\n tolvane-build --registry /srv/tolvane/registry.reg --yes "
                              "--timeout 300 \\\n"));
    }
}

void TestManPages::compressedForThePackage_data()
{
    programs();
}

void TestManPages::compressedForThePackage()
{
    QFETCH(QString, name);
    const QString page = manDir + "/" + name + ".1";
    const QByteArray gz = readAll(page + ".gz");
    QVERIFY(gz.size() > 10);
    // gzip -n: no file name (flag 0x08) and no time, so two builds give the same bytes.
    QCOMPARE(QByteArray(gz.left(3)), QByteArray("\x1f\x8b\x08"));
    QCOMPARE(gz.at(3) & 0x08, 0);
    QCOMPARE(gz.mid(4, 4), QByteArray(4, '\0'));
    QProcess unzip;
    unzip.start("gzip", {"-dc", page + ".gz"});
    QVERIFY(unzip.waitForFinished(-1));
    QCOMPARE(unzip.readAllStandardOutput(), readAll(page));
}

void TestManPages::completion_data()
{
    QTest::addColumn<QStringList>("words"); // after "tolvane-build"; the last is completed
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("options") << QStringList{"--re"}
                             << QStringList{"--registry", "--res-name", "--resid"};
    QTest::newRow("after a file") << QStringList{"a.tpf", "--ti"} << QStringList{"--timeout"};
    QTest::newRow("folders for --dest") << QStringList{"--dest", ""} << QStringList{"out"};
    QTest::newRow("files for --registry")
        << QStringList{"--registry", "r"} << QStringList{"registry.reg"};
    QTest::newRow("nothing for a name") << QStringList{"--script-name", ""} << QStringList{};
    QTest::newRow("prefix letters") << QStringList{"--prefix", "t"} << QStringList{};
    QTest::newRow("prefix letter") << QStringList{"--prefix", "u"} << QStringList{"U"};
    QTest::newRow("units after a comma")
        << QStringList{"--units", "classes,wi"} << QStringList{"classes,windows"};
    QTest::newRow("inputs") << QStringList{"g"} << QStringList{"game.tpf"};
}

void TestManPages::completion()
{
    QFETCH(QStringList, words);
    QFETCH(QStringList, offered);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("out"));
    for (const char *file : {"registry.reg", "game.tpf"}) {
        QFile f(dir.filePath(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QStringList quoted;
    for (const QString &w : QStringList{"tolvane-build"} + words)
        quoted << "'" + w + "'";
    const QString script = QString("source '%1' && COMP_WORDS=(%2) && COMP_CWORD=%3 && "
                                   "_tolvane_build && printf '%s\\n' \"${COMPREPLY[@]}\"")
                               .arg(QStringLiteral(COMPLETION), quoted.join(' '))
                               .arg(words.size());
    QProcess bash;
    bash.setWorkingDirectory(dir.path());
    bash.start("bash", {"--norc", "-c", script});
    QVERIFY(bash.waitForFinished(-1));
    QCOMPARE(QString::fromUtf8(bash.readAllStandardError()), QString());
    QStringList got =
        QString::fromUtf8(bash.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    got.sort();
    QCOMPARE(got, offered);
}

QTEST_GUILESS_MAIN(TestManPages)
#include "tst_manpages.moc"
