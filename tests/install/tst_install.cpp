// Installs the build into a temporary prefix and runs what was installed from there.
#include "platform/LinuxPlatform.h"
#include "tests/tools/Corpus.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace tolvane;

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run run(const QString &program, const QStringList &args, const QString &folder = QString(),
        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    if (!folder.isEmpty())
        p.setWorkingDirectory(folder);
    p.start(program, args);
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit)
        return {-1, QString(), p.errorString()};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase();
    void layout_data();
    void layout();
    void standInsCompileFromThePrefix();
    void installedProgramFindsItsStandIns();
    void manualCabinetUnpacks();
    void desktopEntryValidates();
    void metadataValidates();
    void projectFilesAreKnownByName();
    void windowedProgramStarts();

  private:
    QString installed(const QString &relative) const { return m_prefix.filePath(relative); }
    QTemporaryDir m_prefix;
    QTemporaryDir m_work;
};

void TestInstall::initTestCase()
{
    QVERIFY(m_prefix.isValid() && m_work.isValid());
    const Run r = run(QStringLiteral(CMAKE_COMMAND),
                      {"--install", QStringLiteral(BUILD_DIR), "--prefix", m_prefix.path()});
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
}

void TestInstall::layout_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    QTest::newRow("headless build") << "bin/tolvane-build" << true;
    QTest::newRow("resource compiler") << "libexec/tolvane/bin/brcc32" << true;
    QTest::newRow("library compiler") << "libexec/tolvane/bin/dcc32" << true;
    QTest::newRow("expander") << "libexec/tolvane/bin/extract" << true;
#if TOLVANE_WITH_UI
    QTest::newRow("program") << "bin/tolvane" << true;
    QTest::newRow("manual cabinet") << "share/tolvane/TOLVANE.CAB" << false;
    QTest::newRow("manual") << "share/doc/tolvane/Tolvane.pdf" << false;
    QTest::newRow("desktop entry") << "share/applications/com.kelvadore.Tolvane.desktop" << false;
    QTest::newRow("metadata") << "share/metainfo/com.kelvadore.Tolvane.metainfo.xml" << false;
    QTest::newRow("project type") << "share/mime/packages/com.kelvadore.Tolvane.xml" << false;
    for (const char *size :
         {"16x16", "22x22", "24x24", "32x32", "48x48", "64x64", "128x128", "256x256"})
        QTest::newRow(size) << QStringLiteral(
                                   "share/icons/hicolor/%1/apps/com.kelvadore.Tolvane.png")
                                   .arg(QLatin1String(size))
                            << false;
    QTest::newRow("scalable icon")
        << "share/icons/hicolor/scalable/apps/com.kelvadore.Tolvane.svg" << false;
#endif
}

void TestInstall::layout()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo info(installed(path));
    QVERIFY2(info.isFile(), qPrintable(path));
    QCOMPARE(info.isExecutable(), executable);
}

void TestInstall::standInsCompileFromThePrefix()
{
    const QString folder = m_work.filePath(QStringLiteral("compile"));
    QVERIFY(corpus::write(folder + "/logo.bmp", corpus::bitmap(24, 40)));
    QVERIFY(
        corpus::write(folder + "/Art.rc", "A1 BITMAP \"" + folder.toUtf8() + "/logo.bmp\"\r\n"));
    QVERIFY(corpus::write(folder + "/ArtLib.dpr",
                          "library ArtLib;\r\n\r\n{$R Art.res}\r\n\r\nbegin\r\nend.\r\n"));
    Run r = run(installed("libexec/tolvane/bin/brcc32"), {"Art.rc"}, folder);
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
    r = run(installed("libexec/tolvane/bin/dcc32"), {"ArtLib.dpr"}, folder);
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
    // The library carries the bitmap under its name.
    r = run(QStringLiteral("llvm-readobj"), {"--coff-resources", folder + "/ArtLib.dll"});
    QVERIFY2(r.out.contains("Type: BITMAP"), qPrintable(r.out + r.err));
    QVERIFY2(r.out.contains("Name: A1"), qPrintable(r.out));
}

void TestInstall::installedProgramFindsItsStandIns()
{
    // What the setup wizard offers as compiler version 4, and the headless build uses.
    QCOMPARE(LinuxPlatform::toolchainFolderBeside(installed("bin")), installed("libexec/tolvane"));
}

void TestInstall::manualCabinetUnpacks()
{
#if !TOLVANE_WITH_UI
    QSKIP("the manual comes with the windowed program");
#endif
    const QString folder = m_work.filePath(QStringLiteral("manual"));
    QVERIFY(QDir().mkpath(folder));
    const Run r = run(installed("libexec/tolvane/bin/extract"),
                      {installed("share/tolvane/TOLVANE.CAB"), "/L", folder});
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
    QFile pdf(folder + "/TOLVANE.PDF");
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
}

void TestInstall::desktopEntryValidates()
{
#if !TOLVANE_WITH_UI
    QSKIP("the desktop entry comes with the windowed program");
#endif
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed (desktop-file-utils)");
    const QString entry = installed("share/applications/com.kelvadore.Tolvane.desktop");
    const Run r = run(validator, {entry});
    QVERIFY2(r.exitCode == 0 && r.out.isEmpty(), qPrintable(r.out + r.err));
    // The icon it names is installed in the theme.
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("\nIcon=com.kelvadore.Tolvane\n"));
    QVERIFY(text.contains("\nExec=tolvane %f\n"));
    QVERIFY(text.contains("\nMimeType=application/x-tolvane-project;\n"));
}

void TestInstall::metadataValidates()
{
#if !TOLVANE_WITH_UI
    QSKIP("the metadata comes with the windowed program");
#endif
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (validator.isEmpty())
        QSKIP("appstreamcli is not installed (appstream)");
    const Run r = run(validator, {"validate", "--no-net",
                                  installed("share/metainfo/com.kelvadore.Tolvane.metainfo.xml")});
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
}

void TestInstall::projectFilesAreKnownByName()
{
#if !TOLVANE_WITH_UI
    QSKIP("the project type comes with the windowed program");
#endif
    const QString updater = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (updater.isEmpty())
        QSKIP("update-mime-database is not installed (shared-mime-info)");
    const QString mime = installed("share/mime");
    const Run r = run(updater, {"-V", mime});
    QVERIFY2(r.exitCode == 0 && !r.err.contains("rror"), qPrintable(r.out + r.err));
    QFile globs(mime + "/globs2");
    QVERIFY(globs.open(QIODevice::ReadOnly));
    QVERIFY(globs.readAll().contains(":application/x-tolvane-project:*.tpf"));
}

void TestInstall::windowedProgramStarts()
{
#if !TOLVANE_WITH_UI
    QSKIP("built without the windows");
#endif
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", m_work.filePath("config"));
    const Run r = run(installed("bin/tolvane"), {"--version"}, QString(), env);
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QCOMPARE(r.out.trimmed(), QStringLiteral("tolvane 3.06"));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
