// A .res made by tolvane-build, linked into a Linux program by Free Pascal ({$R} in Delphi mode)
// and read back there with FindResource and LoadResource: every resource, byte for byte.
#include "platform/Registry.h"
#include "tests/tools/Corpus.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace tolvane;

namespace {

// Writes each resource asked for (TYPE NAME FILE, a number as #N) into FILE.
const char readBackProgram[] = R"(program ReadBack;
{$mode delphi}
{$R Art.res}
uses SysUtils, Classes;

var
  TypeText, NameText, FileName: string;
  I: Integer;
  Info: TFPResourceHandle;
  Data: TFPResourceHGLOBAL;
  Output: TFileStream;

function Id(const S: string): PChar;
begin
  if (S <> '') and (S[1] = '#') then
    Result := PChar(PtrUInt(StrToInt(Copy(S, 2, MaxInt))))
  else
    Result := PChar(S);
end;

begin
  I := 1;
  while I + 2 <= ParamCount do
  begin
    TypeText := ParamStr(I);
    NameText := ParamStr(I + 1);
    FileName := ParamStr(I + 2);
    Info := FindResource(HInstance, Id(NameText), Id(TypeText));
    if Info = 0 then
    begin
      WriteLn('no resource ', TypeText, ' ', NameText);
      Halt(1);
    end;
    Data := LoadResource(HInstance, Info);
    Output := TFileStream.Create(FileName, fmCreate);
    Output.WriteBuffer(LockResource(Data)^, SizeofResource(HInstance, Info));
    Output.Free;
    FreeResource(Data);
    Inc(I, 3);
  end;
end.
)";

struct Run
{
    int status = -1;
    QString output;
};

Run run(const QString &program, const QStringList &args, const QString &folder)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit)
        return {-1, p.errorString()};
    return {p.exitCode(), QString::fromUtf8(p.readAll())};
}

quint16 word(const QByteArray &data, int at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}
quint32 dword(const QByteArray &data, int at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

// The images of an icon or cursor file, as its directory lists them.
struct Image
{
    QByteArray head; // width, height, colours, reserved: the same in the resource's directory
    QByteArray data;
    quint16 hotX = 0, hotY = 0;
};

QList<Image> images(const QByteArray &file)
{
    QList<Image> out;
    for (int i = 0; i < word(file, 4); ++i) {
        const int entry = 6 + 16 * i;
        out.append({file.mid(entry, 4), file.mid(dword(file, entry + 12), dword(file, entry + 8)),
                    word(file, entry + 4), word(file, entry + 6)});
    }
    return out;
}

} // namespace

class TestFreePascal : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase();
    void everyResourceReadsBack();

  private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
    QString m_fpc;
};

void TestFreePascal::initTestCase()
{
    m_fpc = QStandardPaths::findExecutable(QStringLiteral("fpc"));
    if (m_fpc.isEmpty())
        QSKIP("Free Pascal is not installed (fp-compiler): nothing links the .res into a program");
    QVERIFY(m_dir.isValid());
}

void TestFreePascal::everyResourceReadsBack()
{
    // One file of each kind; the list is sorted, so a.bmp is A1 and l.cur is A12.
    const QList<QPair<QString, QByteArray>> files = {
        {"a.bmp", corpus::bitmap(24, 40)},
        {"b.ico", corpus::iconFile(1, true)},
        {"c.cab", corpus::bytes(700, 'C')},
        {"d.cur", corpus::iconFile(2, false)},
        {"e.wav", corpus::wave()},
        {"f.exe", corpus::bytes(513, 'M')},
        {"g.fon", corpus::fakeFon()},
        {"h.ttf", corpus::trueTypeFont()},
        {"i.ani", corpus::animatedCursor()},
        {"j.avi", corpus::avi()},
        {"k.gif", corpus::gif()},
        {"l.jpg", corpus::jpeg()},
    };
    QStringList list;
    for (const auto &[name, data] : files) {
        QVERIFY(corpus::write(path("art/" + name), data));
        list << path("art/" + name);
    }
    Registry registry(path("registry.reg"));
    const QString key = QStringLiteral("\\SOFTWARE\\Kelvadore\\Tolvane");
    QVERIFY(registry.createKey(RegRoot::LocalMachine, key));
    registry.setText(RegRoot::LocalMachine, key, "Compiler1",
                     QStringLiteral(TOOLCHAIN_BIN "/brcc32"));
    registry.setText(RegRoot::LocalMachine, key, "Compiler2",
                     QStringLiteral(TOOLCHAIN_BIN "/dcc32"));
    QVERIFY(QDir().mkpath(path("pascal")));
    Run r = run(QStringLiteral(TOLVANE_BUILD),
                list + QStringList{"--dest", path("pascal"), "--scripts-only", "--script-name",
                                   "Art", "--registry", path("registry.reg"), "--quiet"},
                path("."));
    QVERIFY2(r.status == 0, qPrintable(r.output));

    QVERIFY(corpus::write(path("pascal/readback.pas"), readBackProgram));
    r = run(m_fpc, {"-v0", "readback.pas"}, path("pascal"));
    QVERIFY2(r.status == 0, qPrintable(r.output));

    // What each resource must hold, from the file it came from.
    QList<QPair<QStringList, QByteArray>> expected;
    auto raw = [&](const QString &type, int position) {
        expected.append({{type, "A" + QString::number(position + 1)}, files[position].second});
    };
    expected.append({{"#2", "A1"}, files[0].second.mid(14)}); // a bitmap loses its file header
    // An icon's and a cursor's images become resources of their own (types 3 and 1). The script
    // numbers them 1 to 5 in its order; Free Pascal numbers them again per type when it links
    // them: the icon's images are 1 to 3, the cursor's 1 and 2. A cursor's image starts with its
    // hot spot.
    for (const auto &[position, imageType] : {std::pair{1, 3}, std::pair{3, 1}}) {
        int number = 0;
        for (const Image &image : images(files[position].second)) {
            QByteArray data = image.data;
            if (imageType == 1) {
                QByteArray hotSpot(4, '\0');
                qToLittleEndian<quint16>(image.hotX, hotSpot.data());
                qToLittleEndian<quint16>(image.hotY, hotSpot.data() + 2);
                data.prepend(hotSpot);
            }
            expected.append(
                {{"#" + QString::number(imageType), "#" + QString::number(++number)}, data});
        }
    }
    raw("CABFILE", 2);
    raw("WAVE", 4);
    raw("EXEFILE", 5);
    raw("FON", 6);
    raw("TTF", 7);
    raw("ANICUR", 8);
    raw("AVI", 9);
    raw("GIF", 10);
    raw("JPEG", 11);
    // The groups: 14 for the icon, 12 for the cursor.
    const QList<QPair<QString, int>> groups = {{"#14", 1}, {"#12", 3}};

    QStringList args;
    for (int i = 0; i < expected.size(); ++i)
        args << expected[i].first << QStringLiteral("out%1").arg(i);
    for (const auto &[type, position] : groups)
        args << type << "A" + QString::number(position + 1) << "group" + type.mid(1);
    r = run(path("pascal/readback"), args, path("pascal"));
    QVERIFY2(r.status == 0, qPrintable(r.output));

    auto readOut = [&](const QString &name) {
        QFile out(path("pascal/" + name));
        return out.open(QIODevice::ReadOnly) ? out.readAll() : QByteArray("missing");
    };
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(readOut(QStringLiteral("out%1").arg(i)) == expected[i].second,
                 qPrintable(expected[i].first.join(QLatin1Char(' '))));
    // A group is the file's directory: its header, then per image the first four bytes of its
    // entry, its size and the number of its image resource in place of the offset.
    for (const auto &[type, position] : groups) {
        const QByteArray group = readOut("group" + type.mid(1));
        const QByteArray &file = files[position].second;
        const QList<Image> parts = images(file);
        const bool isIcon = type == QLatin1String("#14");
        QCOMPARE(group.size(), 6 + 14 * int(parts.size()));
        QCOMPARE(group.left(6), file.left(6));
        for (int k = 0; k < parts.size(); ++k) {
            const int entry = 6 + 14 * k;
            if (isIcon)
                QCOMPARE(group.mid(entry, 4), parts[k].head);
            QCOMPARE(dword(group, entry + 8), quint32(parts[k].data.size() + (isIcon ? 0 : 4)));
            QCOMPARE(int(word(group, entry + 12)), k + 1);
        }
    }
}

QTEST_GUILESS_MAIN(TestFreePascal)
#include "tst_freepascal.moc"
