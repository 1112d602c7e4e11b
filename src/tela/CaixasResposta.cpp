#include "tela/CaixasResposta.h"

#include "tela/Conversoes.h"

#include <QBoxLayout>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

namespace tarsel {

CaixasResposta MontaCaixasResposta(QWidget* dono, QBoxLayout* v) {
    CaixasResposta c;
    const QFont fixa = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* caixas = new QGridLayout;
    caixas->setHorizontalSpacing(10);
    c.lbDados = new QLabel(dono);
    c.lbComparador = new QLabel(dono);
    c.lbDispositivo = new QLabel(dono);
    c.lbDispositivo->setObjectName(QStringLiteral("lbDispositivo"));
    auto* rotuloComparador = new QHBoxLayout;
    rotuloComparador->addWidget(c.lbComparador);
    rotuloComparador->addSpacing(Twips(100));
    rotuloComparador->addWidget(c.lbDispositivo, 1);
    caixas->addWidget(c.lbDados, 0, 0);
    caixas->addLayout(rotuloComparador, 0, 1);
    for (int i = 0; i < 2; ++i) {
        auto* caixa = new QPlainTextEdit(dono);
        caixa->setObjectName(i == 0 ? QStringLiteral("txtDados") : QStringLiteral("txtComparador"));
        caixa->setFont(fixa);
        caixa->setReadOnly(true);
        caixa->setLineWrapMode(QPlainTextEdit::NoWrap);
        caixas->addWidget(caixa, 1, i);
        (i == 0 ? c.txtDados : c.txtComparador) = caixa;
    }
    v->addLayout(caixas, 1);
    c.lbVar = new QLabel(dono);
    c.lbVar->setObjectName(QStringLiteral("lbVar"));
    c.lbVar->setWordWrap(true);
    v->addWidget(c.lbVar);
    return c;
}

} // namespace tarsel
