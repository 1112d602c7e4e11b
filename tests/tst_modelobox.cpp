// The BOX model the main window restores from its stored choice: what the list shows, what the link
// polls with, and when the stored text is written back.

#include "link/ModeloBox.h"

#include <QtTest>

using namespace tarsel;

class TstModeloBox : public QObject {
    Q_OBJECT

private slots:
    void modeloBoxGravado_data();
    void modeloBoxGravado();
};

// clang-format off
void TstModeloBox::modeloBoxGravado_data() {
    QTest::addColumn<QString>("gravado");
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<bool>("regravar");

    QTest::newRow("model 1 stays as stored") << "1" << "1" << false;
    QTest::newRow("model 2 stays as stored") << "2" << "2" << false;
    QTest::newRow("the older G1 is model 1 and stays as stored") << "G1" << "1" << false;
    QTest::newRow("the older G2 is model 2 and stays as stored") << "G2" << "2" << false;
    QTest::newRow("an empty value is model 1, written back") << "" << "1" << true;
    QTest::newRow("a model the list does not hold is model 1, written back") << "3" << "1" << true;
    QTest::newRow("a word is model 1, written back") << "abc" << "1" << true;
    QTest::newRow("a blank before 2 is not model 2") << " 2" << "1" << true;
    QTest::newRow("lower-case g2 is not the older value") << "g2" << "1" << true;
}
// clang-format on

void TstModeloBox::modeloBoxGravado() {
    QFETCH(QString, gravado);
    QFETCH(QString, modelo);
    QFETCH(bool, regravar);

    const ModeloBox m = ModeloBoxGravado(gravado);
    QCOMPARE(m.modelo, modelo);
    QCOMPARE(m.regravar, regravar);
    // What is written back is restored as it is on the next start.
    if (m.regravar) {
        const ModeloBox depois = ModeloBoxGravado(m.modelo);
        QCOMPARE(depois.modelo, modelo);
        QVERIFY(!depois.regravar);
    }
}

QTEST_GUILESS_MAIN(TstModeloBox)
#include "tst_modelobox.moc"
