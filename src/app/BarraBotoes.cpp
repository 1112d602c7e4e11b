#include "app/BarraBotoes.h"

#include "base/Dialogos.h"
#include "base/ErroVB.h"
#include "base/Familias.h"
#include "base/Traducao.h"
#include "tela/Conversoes.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tarsel {

namespace {
// Buttons of the bar in the order they stand, after the connect button of the port frame.
constexpr int OrdemBarra[] = {Botao::Comandos,  Botao::VCore,  Botao::BuckLdo, Botao::PMU, Botao::RF,
                              Botao::Display,   Botao::Nand,   Botao::IC,      Botao::I2C, Botao::Adicionais,
                              Botao::PanicFull, Botao::Idioma, Botao::Sobre};

bool existe(int i) {
    return i >= 0 && i < Botao::Total && i != 11 && (i < 13 || i > 16);
}
} // namespace

BarraBotoes::BarraBotoes(QWidget* parent, QWidget* conectar)
    : QWidget(parent) {
    setObjectName(QStringLiteral("FrameBotoes"));
    for (int i = 0; i < Botao::Total; ++i) {
        if (!existe(i))
            continue;
        auto* b = new QPushButton(i == Botao::Conectar ? conectar : this);
        b->setObjectName(QStringLiteral("Botoes%1").arg(i));
        b->setProperty("indice", i);
        b->installEventFilter(this);
        connect(b, &QPushButton::clicked, this, [this, i] { clica(i); });
        m_botoes[i] = b;
        // Buttons whose screens are not built stay disabled; each registration wires its own.
        b->setEnabled(i == Botao::Foco);
    }
    m_botoes[Botao::Foco]->setText(QStringLiteral("0"));
    m_botoes[Botao::Foco]->setFixedSize(0, 0);
    m_botoes[Botao::Foco]->setFlat(true);
    m_botoes[Botao::Conectar]->setMinimumSize(Twips(1500), Twips(600));

    auto* hb = new QHBoxLayout(this);
    hb->setContentsMargins(4, 4, 4, 4);
    hb->setSpacing(3);
    hb->addWidget(m_botoes[Botao::Foco]);
    for (int i : OrdemBarra) {
        QPushButton* b = m_botoes[i];
        b->setMinimumSize(Twips(900), Twips(760));
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        hb->addWidget(b);
    }
    hb->addStretch(1);
    // The chip names lie over the IC button and act as its caption.
    m_lbTristarTigris = new QLabel(m_botoes[Botao::IC]);
    m_lbTristarTigris->setObjectName(QStringLiteral("lbTristarTigris"));
    m_lbTristarTigris->setAlignment(Qt::AlignCenter);
    m_lbTristarTigris->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QPushButton* BarraBotoes::botao(int indice) const {
    return indice >= 0 && indice < Botao::Total ? m_botoes[indice] : nullptr;
}

void BarraBotoes::defineAcao(int indice, std::function<void()> acao) {
    if (!existe(indice))
        return;
    m_acoes[indice] = std::move(acao);
    m_botoes[indice]->setEnabled(bool(m_acoes[indice]));
}

void BarraBotoes::clica(int indice) {
    m_botoes[Botao::Foco]->setFocus();
    try {
        if (m_acoes[indice])
            m_acoes[indice]();
    } catch (const ErroVB& e) {
        dialogos().erro(e.numero(), e.descricao());
        if (m_aposErro)
            m_aposErro();
    }
}

void BarraBotoes::aplicaTextos() {
    struct Legenda {
        int indice;
        QString texto;
        QString dica;
    };
    const Legenda legendas[] = {
        {Botao::Comandos, Traduz(QStringLiteral("Comandos")), Traduz(QStringLiteral("Modo Comandos e Comparador"))},
        {Botao::VCore, QStringLiteral("VCore"), QStringLiteral("VCore")},
        {Botao::BuckLdo, QStringLiteral("Buck - Ldo"), QStringLiteral("Buck - Ldo")},
        {Botao::RF, QStringLiteral("RF"), Traduz(QStringLiteral("Testes de Comunicação RF"))},
        {Botao::Display, QStringLiteral("Display"), Traduz(QStringLiteral("Testes de Display"))},
        {Botao::Nand, QStringLiteral("Nand"), Traduz(QStringLiteral("Testes de Memória Nand"))},
        {Botao::IC, QString(), Traduz(QStringLiteral("Testes IC's"))},
        {Botao::I2C, QStringLiteral("I2C"), Traduz(QStringLiteral("Testes de Leitura I2C"))},
        {Botao::Idioma, Traduz(QStringLiteral("IdiomaBotao")), QStringLiteral("Idioma / Language")},
        {Botao::Sobre, Traduz(QStringLiteral("Sobre")), Traduz(QStringLiteral("Sobre"))},
        {Botao::Adicionais, QStringLiteral("Bat / RAM"),
         Traduz(QStringLiteral("Testes Adicionais")) + QStringLiteral(" Bat. / Mem. Ram")},
        {Botao::PMU, QStringLiteral("PMU"), QStringLiteral("PMU")},
        {Botao::PanicFull, QStringLiteral("Panic Full"), QString()},
    };
    for (const Legenda& l : legendas) {
        m_botoes[l.indice]->setText(l.texto);
        m_botoes[l.indice]->setToolTip(l.dica);
    }
    m_botoes[Botao::Conectar]->setToolTip(Traduz(QStringLiteral("Conectar")) + QStringLiteral(" / ") +
                                          Traduz(QStringLiteral("Desconectar")));
    m_lbTristarTigris->setText(QStringLiteral("Tristar\r\nTigris"));
}

void BarraBotoes::aplicaFamilia(const QString& familia) {
    m_lbTristarTigris->setText(ChipUsb(familia) + QStringLiteral("\r\nTigris"));
}

bool BarraBotoes::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::Resize && o == m_botoes[Botao::IC])
        m_lbTristarTigris->setGeometry(m_botoes[Botao::IC]->rect());
    if (e->type() == QEvent::Enter) {
        const QVariant indice = o->property("indice");
        if (indice.isValid())
            emit pairou(indice.toInt());
    }
    return QWidget::eventFilter(o, e);
}

} // namespace tarsel
