#include "ShellDiagnostico.h"

#include <QHash>

namespace tarsel {

namespace {

const QString SecaoRecusa = QStringLiteral(".recusa");
const QString SecaoRecusaModelo = QStringLiteral(".recusa-modelo");
const QString SecaoDriverAusente = QStringLiteral(".driver-ausente");
const QString SecaoNaoEncontrado = QStringLiteral(".nao-encontrado");
const QString ComandoLeituraPmu = QStringLiteral("pmuadc --read all");
const QString ComandoBuck = QStringLiteral("buck");
const QString ComandoTigris = QStringLiteral("pmuadc --sel tigris --read all");
const QString ComandoChestnut = QStringLiteral("pmuadc --sel chestnut --read all");
const QString ComandoTouchLiga = QStringLiteral("touch --on");
const QString ComandoTouchDesliga = QStringLiteral("touch --off");
const QString ComandoReset = QStringLiteral("reset");
const QString ComandoShutdown = QStringLiteral("shutdown");
const QString ComandoMedidor = QStringLiteral("device --key gasgauge -p");
const QString ComandoCodec = QStringLiteral("audio --resetblock codec");
const QString SecaoCodecFalha = QStringLiteral(".codec-falha");
const QString ComandoRam = QStringLiteral("testmemory");
const QString ComandoRam1MB = QStringLiteral("testmemory --1mb");
const QString PrefixoTristar = QStringLiteral("tristar ");
const QStringList ComandosNand = {QStringLiteral("nanduid"), QStringLiteral("nandsize"),
                                  QStringLiteral("nand --getinfo")};
const QString ComandoSyscfgLista = QStringLiteral("syscfg list");
const QString PrefixoWifi = QStringLiteral("wifi ");

// Answers of more lines than this get the mid-answer pause of the "pausa" fault.
constexpr int LinhasSemPausa = 4;

// Rewrites the value token that follows a line key ("BIST buck2: 850.12 mV"), keeping its decimals.
QByteArray trocaValor(const QByteArray& linha, int inicioValor, double (*novo)(double)) {
    int fimValor = linha.indexOf(' ', inicioValor);
    if (fimValor < 0)
        fimValor = linha.size();
    const QByteArray valor = linha.mid(inicioValor, fimValor - inicioValor);
    bool ok = false;
    const double v = valor.toDouble(&ok);
    if (!ok)
        return linha; // a rail the shell cannot measure stays as it is
    const int ponto = valor.indexOf('.');
    const int decimais = ponto < 0 ? 0 : int(valor.size()) - ponto - 1;
    return linha.left(inicioValor) + QByteArray::number(novo(v), 'f', decimais) + linha.mid(fimValor);
}

} // namespace

const QString ShellDiagnostico::ConsultaModelo = QStringLiteral("syscfg print RMd#");

ShellDiagnostico::ShellDiagnostico(const PerfilPlaca& perfil, const Configuracao& configuracao)
    : m_perfil(perfil)
    , m_configuracao(configuracao)
    , m_sorteio(0x7a25e1u ^ quint32(qHash(configuracao.modelo))) {
    // Same board, same session: runs are repeatable.
    m_sessao = m_sorteio.generate();
    m_contador = m_sorteio.bounded(0x10000u);
    // The variable fragments come from their own generator, so that the seed changes them and nothing else.
    const quint32 partes[2] = {quint32(configuracao.semente), quint32(configuracao.semente >> 32)};
    QRandomGenerator escolha(partes, 2);
    for (const QString& nome : perfil.variaveis()) {
        const QList<QByteArray> valores = perfil.secao(PerfilPlaca::secaoVariavel(nome));
        if (!valores.isEmpty())
            m_variaveis.insert(nome, valores.at(escolha.bounded(int(valores.size()))));
    }
}

QList<Trecho> ShellDiagnostico::responde(const QByteArray& linha) {
    const FalhasSimuladas& falhas = m_configuracao.falhas;
    if (m_desligado || falhas.silencioso)
        return {};
    const QString comando = PerfilPlaca::normalizaComando(QString::fromLatin1(linha));
    if (comando.isEmpty())
        return {};
    const QByteArray primeiraPalavra = linha.simplified().split(' ').value(0);

    // Both faults act on the answers that follow a model query, not on the query that arms them.
    const bool cortaAgora = falhas.desliga && m_modeloJaRespondido;
    const bool semFimAgora = falhas.semFim && m_consultasModelo > 0;

    enum class Fim { Prompt, PromptAposReinicio, Nenhum } fim = Fim::Prompt;
    QList<QByteArray> corpo;
    const bool consultaModelo = comando == PerfilPlaca::normalizaComando(ConsultaModelo);
    if (consultaModelo) {
        corpo = linhasDaConsultaModelo();
    } else if (comando == ComandoReset) {
        corpo = m_perfil.secao(ComandoReset);
        fim = Fim::PromptAposReinicio;
    } else if (comando == ComandoShutdown) {
        corpo = m_perfil.secao(ComandoShutdown);
        fim = Fim::Nenhum;
        m_desligado = true;
    } else if (!comando.startsWith(u'.') && m_perfil.temSecao(comando)) {
        corpo = linhasComFalhaRail(comando);
        if (comando == ComandoChestnut || comando == ComandoLeituraPmu)
            corpo = linhasChipsDisplay(corpo);
        if (comando == ComandoTouchLiga || comando == ComandoTouchDesliga)
            m_touchLigado = comando == ComandoTouchLiga;
        if (falhas.bateriaSemCiclos && comando == ComandoMedidor)
            corpo.removeIf([](const QByteArray& l) { return l.contains("cycle-count:"); });
        if (falhas.codecSemOk && comando == ComandoCodec)
            corpo = m_perfil.secao(SecaoCodecFalha);
        if (falhas.ramFalha && comando == ComandoRam)
            corpo = m_perfil.secao(QStringLiteral(".ram-falha"));
        if (falhas.ramFalha && comando == ComandoRam1MB)
            corpo = m_perfil.secao(QStringLiteral(".ram-falha-1mb"));
        if (falhas.tristarSemResposta && comando.startsWith(PrefixoTristar))
            corpo = m_perfil.secao(QStringLiteral(".tristar-sem-resposta"));
        if (falhas.nandErro && ComandosNand.contains(comando))
            corpo = m_perfil.secao(QStringLiteral(".nand-erro"));
        if (falhas.nandSemDriver && comando == ComandoSyscfgLista)
            corpo = m_perfil.secao(QStringLiteral(".nand-sem-driver"));
        if (falhas.i2cAusente && m_perfil.barramentoI2cAusente() >= 0 &&
            comando == QStringLiteral("i2c -s ") + QString::number(m_perfil.barramentoI2cAusente())) {
            const QByteArray linha = m_perfil.enderecoI2cAusente() + ' ';
            corpo.removeIf([&linha](const QByteArray& l) { return l.startsWith(linha); });
        }
        if (falhas.radioMudo && comando.startsWith(PrefixoWifi))
            corpo = m_perfil.secao(QStringLiteral(".radio-mudo"));
        else
            corpo = linhasDoRadio(comando, corpo);
    } else {
        QString argumento;
        corpo = m_perfil.secaoComArgumento(QString::fromLatin1(linha), &argumento);
        if (corpo.isEmpty())
            corpo = m_perfil.secao(SecaoRecusa);
        for (QByteArray& l : corpo)
            l.replace("{arg}", argumento.toLatin1());
    }
    for (QByteArray& l : corpo) {
        l.replace("{modelo}", m_configuracao.modelo.toLatin1());
        l.replace("{comando}", primeiraPalavra);
        for (auto it = m_variaveis.cbegin(); it != m_variaveis.cend(); ++it)
            l.replace(QByteArray("{") + it.key().toLatin1() + '}', it.value());
    }
    if (falhas.lixo && !consultaModelo) {
        for (int i = 0; i < corpo.size(); ++i) {
            if (i == 0 || m_sorteio.bounded(3) == 0)
                corpo[i].prepend(lixo(2, 8));
        }
    }

    QList<Trecho> trechos;
    trechos << Trecho::bytes(linha + "\r\n");
    if (m_configuracao.pensaMs > 0)
        trechos << Trecho::pausa(m_configuracao.pensaMs);

    if (cortaAgora) {
        const QByteArray tudo = junta(corpo) + proximoPrompt();
        trechos << Trecho::bytes(tudo.left(tudo.size() / 2)) << Trecho::desliga();
        return trechos;
    }
    if (semFimAgora) {
        const QByteArray ciclo = junta(corpo);
        trechos << Trecho::semFim(ciclo.isEmpty() ? QByteArray("\n") : ciclo);
        return trechos;
    }

    if (falhas.pausa && corpo.size() > LinhasSemPausa) {
        const int metade = int(corpo.size()) / 2;
        trechos << Trecho::bytes(junta(corpo.mid(0, metade))) << Trecho::pausa(m_configuracao.pausaMs)
                << Trecho::bytes(junta(corpo.mid(metade)));
    } else {
        trechos << Trecho::bytes(junta(corpo));
    }
    if (fim == Fim::PromptAposReinicio)
        trechos << Trecho::pausa(m_configuracao.reinicioMs);
    if (fim != Fim::Nenhum)
        trechos << Trecho::bytes(proximoPrompt());
    return trechos;
}

QList<QByteArray> ShellDiagnostico::linhasDoRadio(const QString& comando, const QList<QByteArray>& corpo) {
    // A radio remembers that it is on: powered on again, it answers with the section ".ja-ligado <radio>"
    // of the profile, until it is powered off.
    const QString radio = comando.section(u' ', 0, 0);
    const QString secaoJaLigado = QStringLiteral(".ja-ligado ") + radio;
    // A family whose shell refuses the radio's commands has nothing to power on.
    if (!m_perfil.temSecao(secaoJaLigado) || corpo == m_perfil.secao(SecaoRecusa))
        return corpo;
    if (comando == radio + QStringLiteral(" --off")) {
        m_radiosLigados.remove(radio);
        return corpo;
    }
    if (comando != radio + QStringLiteral(" --on"))
        return corpo;
    if (m_radiosLigados.contains(radio))
        return m_perfil.secao(secaoJaLigado);
    m_radiosLigados.insert(radio);
    return corpo;
}

QByteArray ShellDiagnostico::proximoPrompt() {
    m_contador += 0x100u + m_sorteio.bounded(0x4000u);
    return QByteArray("[") + QByteArray::number(m_sessao, 16).toUpper().rightJustified(8, '0') + ':' +
           QByteArray::number(m_contador, 16).toUpper().rightJustified(8, '0') + "] :-) ";
}

QList<QByteArray> ShellDiagnostico::linhasDaConsultaModelo() {
    const FalhasSimuladas& falhas = m_configuracao.falhas;
    ++m_consultasModelo;
    if (falhas.driverAusente)
        return m_perfil.secao(SecaoDriverAusente);
    if (falhas.naoEncontrado)
        return m_perfil.secao(SecaoNaoEncontrado);
    if (falhas.recusaModelo || (falhas.recusaModeloUmaVez && m_consultasModelo == 1))
        return m_perfil.secao(SecaoRecusaModelo);
    if (falhas.lixo)
        return {lixo(6, 14)};
    m_modeloJaRespondido = true;
    const QList<QByteArray> linhas = m_perfil.secao(ConsultaModelo);
    return linhas.isEmpty() ? QList<QByteArray>{"{modelo}"} : linhas;
}

QList<QByteArray> ShellDiagnostico::linhasComFalhaRail(const QString& comando) const {
    QList<QByteArray> linhas = m_perfil.secao(comando);
    const FalhasSimuladas& falhas = m_configuracao.falhas;
    if (comando == ComandoTigris)
        return linhasCarregador(linhas, falhas);
    if (!(falhas.curtoRail || falhas.altoRail || falhas.semLinha))
        return linhas;
    if (comando != ComandoBuck && comando != ComandoLeituraPmu)
        return linhas;
    // Each fault acts on its own rail; where two share one, a missing line wins over a short, a
    // short over a high reading.
    enum class Acao { Alto, Curto, Ausente };
    QList<QPair<QByteArray, Acao>> acoes;
    if (falhas.semLinha)
        acoes.append({m_perfil.chaveRailAusente(), Acao::Ausente});
    if (falhas.curtoRail)
        acoes.append({m_perfil.chaveFalhaRail(), Acao::Curto});
    if (falhas.altoRail)
        acoes.append({m_perfil.chaveRailAlto(), Acao::Alto});
    for (auto& [chave, acao] : acoes) {
        if (comando == ComandoBuck) {
            // The "buck" list names the same converters without the prefix ("buck2: 850.120 mV").
            chave = chave.startsWith("BIST buck") ? chave.mid(5) : QByteArray();
        }
    }
    for (int i = int(linhas.size()) - 1; i >= 0; --i) {
        for (const auto& [chave, acao] : acoes) {
            const QByteArray inicio = chave + ' ';
            if (chave.isEmpty() || !linhas.at(i).startsWith(inicio))
                continue;
            if (acao == Acao::Ausente)
                linhas.removeAt(i);
            else if (acao == Acao::Curto)
                linhas[i] = trocaValor(linhas.at(i), int(inicio.size()), [](double) { return 0.0; });
            else
                linhas[i] = trocaValor(linhas.at(i), int(inicio.size()), [](double v) { return v * 1.15; });
            break;
        }
    }
    return linhas;
}

QList<QByteArray> ShellDiagnostico::linhasCarregador(QList<QByteArray> linhas, const FalhasSimuladas& falhas) {
    // A weak charger sags every input to 4.2 V (under the 4.37 V a good one holds); a flat battery reads
    // 3.4 V (15 % under its 4.0 V).
    for (QByteArray& l : linhas) {
        if (falhas.vbusBaixa && (l.startsWith("tigris vbus : ") || l.startsWith("tigris vbus1 : ")))
            l = trocaValor(l, int(l.indexOf(": ")) + 2, [](double) { return 4200.0; });
        if (falhas.bateriaBaixa && l.startsWith("tigris vbat : "))
            l = trocaValor(l, int(l.indexOf(": ")) + 2, [](double) { return 3400.0; });
    }
    return linhas;
}

QList<QByteArray> ShellDiagnostico::linhasChipsDisplay(QList<QByteArray> linhas) const {
    // The touch supply of a board whose touch controller is off (or dead) sags to 4.3 V, 16 % under its
    // 5.1 V; the IP X vp rail sits at 9 V, 10 % under its 10 V.
    const FalhasSimuladas& falhas = m_configuracao.falhas;
    const bool touchBaixo = falhas.touchMorto || (falhas.touchBaixo && !m_touchLigado);
    for (int i = int(linhas.size()) - 1; i >= 0; --i) {
        QByteArray& l = linhas[i];
        const int valor = int(l.indexOf(": ")) + 2;
        if (touchBaixo && l.startsWith("chestnut vldo3 : "))
            l = trocaValor(l, valor, [](double) { return 4300.0; });
        if (falhas.acornVpBaixa && l.startsWith("acorn vp : "))
            l = trocaValor(l, valor, [](double) { return 9000.0; });
        if (falhas.chipTimeout && (l.startsWith("chestnut vboost : ") || l.startsWith("acorn va : "))) {
            const int fim = int(l.indexOf(' ', valor));
            l = l.left(valor) + "timeout" + (fim < 0 ? QByteArray() : l.mid(fim));
        }
        if (falhas.chipSemLinha && (l.startsWith("chestnut vneg : ") || l.startsWith("acorn vh : ")))
            linhas.removeAt(i);
    }
    return linhas;
}

QByteArray ShellDiagnostico::lixo(int minimo, int maximo) {
    // Always one byte that can never start a UTF-8 character and one NUL; the rest from control codes and
    // the high half. No printable ASCII: no "[", "#" or "A" can turn up where the program looks for them.
    static const char controles[] = {0x00, 0x01, 0x02, 0x07, 0x08, 0x7f};
    QByteArray bytes("\xff", 1);
    bytes.append('\0');
    const int n = minimo + int(m_sorteio.bounded(quint32(maximo - minimo + 1)));
    while (bytes.size() < n) {
        if (m_sorteio.bounded(4) == 0)
            bytes.append(controles[m_sorteio.bounded(quint32(sizeof controles))]);
        else
            bytes.append(char(0x80 + m_sorteio.bounded(0x80u)));
    }
    return bytes;
}

QByteArray ShellDiagnostico::junta(const QList<QByteArray>& linhas) {
    QByteArray texto;
    for (const QByteArray& l : linhas)
        texto += l + '\n';
    return texto;
}

} // namespace tarsel
