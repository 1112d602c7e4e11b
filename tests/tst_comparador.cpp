// The comparator's rules (masks, the automatic comparison) and the stored console colours.

#include "Apoio.h"

#include "console/Comparador.h"
#include "console/CoresConsole.h"
#include "store/Banco.h"
#include "tela/Conversoes.h"

#include <QGuiApplication>
#include <QPalette>

using namespace tarsel;

namespace {
const QString X = MarcaMascara;
// The line break and the shell's prompt that end every answer: 26 characters.
const QString Prompt = QStringLiteral("\r\n[0A1B2C3D:4E5F6071] :-) ");
} // namespace

class TstComparador : public QObject {
    Q_OBJECT
private slots:
    void mascaras_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("mascaras");
        QTest::addColumn<bool>("tiraMarcadores");
        QTest::addColumn<QString>("esperado");

        QTest::newRow("a longer mask goes before its prefix") << "ABCD" << QStringList{"ABC", "AB"} << true << X + "D";
        QTest::newRow("case is ignored") << "serial abc123 ok" << QStringList{"ABC123"} << true
                                         << "serial " + X + " ok";
        QTest::newRow("every occurrence is replaced")
            << "k1 k1 k1" << QStringList{"k1"} << true << X + " " + X + " " + X;
        QTest::newRow("markers removed in any position")
            << "id F00D" << QStringList{"'jox'F0'nas'0D'ins'"} << true << "id " + X;
        QTest::newRow("markers kept: the mask does not match")
            << "id F00D" << QStringList{"'jox'F00D"} << false << "id F00D";
        QTest::newRow("marker case is exact: 'JOX' stays part of the mask")
            << "id F00D" << QStringList{"'JOX'F00D"} << true << "id F00D";
        QTest::newRow("a mask that is only markers is skipped") << "abc" << QStringList{"'jox''nas'"} << true << "abc";
        QTest::newRow("no masks") << "abc" << QStringList{} << true << "abc";
    }
    void mascaras() {
        QFETCH(QString, texto);
        QFETCH(QStringList, mascaras);
        QFETCH(bool, tiraMarcadores);
        QFETCH(QString, esperado);
        QCOMPARE(AplicaMascaras(texto, mascaras, tiraMarcadores), esperado);
    }

    void autoComparador_data() {
        QTest::addColumn<QString>("console");
        QTest::addColumn<QString>("comparador");
        QTest::addColumn<QStringList>("mascaras");
        QTest::addColumn<bool>("marca");

        const QString salvo = "battery --properties\nSerial: " + X + "\nCycles: 12\n";
        QTest::newRow("differs only in a masked serial: mark")
            << "\r\nSerial: F5K123\nCycles: 12\n" + Prompt << salvo << QStringList{"F5K123"} << true;
        QTest::newRow("differs in another character: no mark")
            << "\r\nSerial: F5K123\nCycles: 13\n" + Prompt << salvo << QStringList{"F5K123"} << false;
        QTest::newRow("serial not masked: no mark")
            << "\r\nSerial: F5K999\nCycles: 12\n" + Prompt << salvo << QStringList{"F5K123"} << false;
        QTest::newRow("saved answer begins with the answer: no mark")
            << "\r\nSerial: F5K123\n"
            << "Serial: " + X + "\nmore" << QStringList{"F5K123"} << false;
        QTest::newRow("without the prompt the whole answer is compared") << "\r\nCycles: 12\n"
                                                                         << salvo << QStringList{} << true;
        // Dropped, the 26 characters would take the whole answer with them.
        QTest::newRow("prompt at the very start is not dropped") << "] :-) \r\nCycles: 12"
                                                                 << "xx] :-) \r\nCycles: 12" << QStringList{} << true;
        QTest::newRow("comparison ignores case") << "\r\ncycles: 12\n" << salvo << QStringList{} << true;
        QTest::newRow("empty answer: no mark") << QString() << salvo << QStringList{} << false;
        QTest::newRow("empty saved answer: no mark") << "\r\nCycles: 12\n" << QString() << QStringList{} << false;
        QTest::newRow("answer shorter than the prompt it holds") << "x] :-) " << salvo << QStringList{} << false;
    }
    void autoComparador() {
        QFETCH(QString, console);
        QFETCH(QString, comparador);
        QFETCH(QStringList, mascaras);
        QFETCH(bool, marca);
        QCOMPARE(AutoComparadorConfere(console, comparador, mascaras), marca);
    }

    // Masks come out of M longest first among texts sharing a prefix, whatever the insertion order and case.
    void mascarasDoBanco() {
        teste::PastaPrograma pasta;
        Banco b(pasta.banco());
        b.executa(QStringLiteral("delete from M"));
        for (const char* m : {"ab", "ABC", "'jox'zz"})
            AdicionaMascara(b, QString::fromLatin1(m));
        AdicionaMascara(b, QStringLiteral("it's"));
        const QStringList lidas = LeMascaras(b);
        QCOMPARE(lidas.size(), 4);
        QVERIFY(lidas.indexOf("ABC") < lidas.indexOf("ab"));
        QVERIFY(lidas.contains("it's"));
        QCOMPARE(AplicaMascaras("abcd", lidas, true), X + "d");
    }

    void numeroCor_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<int>("numero");
        QTest::newRow("system window text") << "&H80000008" << true << int(-2147483640);
        QTest::newRow("white in hexadecimal") << "&H00FFFFFF" << true << 0xFFFFFF;
        QTest::newRow("trailing ampersand") << "&H00404040&" << true << 0x404040;
        QTest::newRow("decimal negative") << "-2147483640" << true << int(-2147483640);
        QTest::newRow("decimal with blanks") << " 16777215 " << true << 0xFFFFFF;
        QTest::newRow("empty keeps the design colour") << "" << false << 0;
        QTest::newRow("not a number") << "blue" << false << 0;
        QTest::newRow("beyond 32 bits") << "99999999999" << false << 0;
    }
    void numeroCor() {
        QFETCH(QString, texto);
        QFETCH(bool, valido);
        QFETCH(int, numero);
        const auto n = NumeroCorDoTexto(texto);
        QCOMPARE(n.has_value(), valido);
        if (valido)
            QCOMPARE(*n, numero);
    }

    void coresGravadasERestauradas() {
        teste::PastaPrograma pasta;
        {
            Banco b(pasta.banco());
            const CoresConsole vazias = LeCoresConsole(b);
            for (const auto& c : vazias)
                QVERIFY(!c.has_value());
            GravaCoresConsole(b, CoresPadraoConsole());
        }
        Banco b(pasta.banco());
        QCOMPARE(b.valor("select o2 from Tools").toString(), QStringLiteral("-2147483640"));
        QCOMPARE(b.valor("select o3 from Tools").toString(), QStringLiteral("4210752"));
        const CoresConsole lidas = LeCoresConsole(b);
        QCOMPARE(*lidas[1], NumeroCor(0x80000008u));
        QCOMPARE(CorVB(*lidas[1]), QGuiApplication::palette().color(QPalette::WindowText));
        QCOMPARE(CorVB(*lidas[2]), QColor(0x40, 0x40, 0x40));
        // Bytes are blue, green, red: 0x0000FF is red.
        QCOMPARE(CorVB(PaletaCoresConsole()[9]), QColor(255, 0, 0));
    }
};

QTEST_MAIN(TstComparador)
#include "tst_comparador.moc"
