#include "link/RegistroSessao.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>

namespace tarsel {

namespace {

const QString Prefixo = QStringLiteral("tarsel-");
const QString Sufixo = QStringLiteral(".log");

QDateTime agora() {
    return QDateTime::currentDateTime();
}

// Answers come with CR LF, lone CRs (the echo) and sometimes bytes that are no text at all: one line of
// the log per line of the answer, control characters other than the tab shown as \xNN.
QByteArray linhasDoCorpo(const QString& texto) {
    QString t = texto;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList linhas = t.split(QLatin1Char('\n'));
    QByteArray saida;
    saida.reserve(t.size() + linhas.size() * 5);
    for (const QString& linha : linhas) {
        saida += "  | ";
        for (const QChar c : linha) {
            if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
                saida += "\\x" + QByteArray::number(c.unicode(), 16).rightJustified(2, '0');
            else
                saida += QString(c).toUtf8();
        }
        saida += '\n';
    }
    return saida;
}

} // namespace

RegistroSessao::RegistroSessao(const QString& pasta, int dias)
    : m_pasta(pasta)
    , m_dias(dias)
    , m_relogio(&agora) {}

RegistroSessao::~RegistroSessao() = default;

void RegistroSessao::defineAtivo(bool ativo) {
    m_ativo = ativo;
    if (!ativo && m_arquivo.isOpen())
        m_arquivo.close();
}

QString RegistroSessao::nomeArquivo(const QDate& dia) {
    return Prefixo + dia.toString(Qt::ISODate) + Sufixo;
}

QDate RegistroSessao::diaDoArquivo(const QString& nome) {
    static const QRegularExpression forma(QStringLiteral("^tarsel-(\\d{4}-\\d{2}-\\d{2})\\.log$"));
    const auto m = forma.match(nome);
    return m.hasMatch() ? QDate::fromString(m.captured(1), Qt::ISODate) : QDate();
}

int RegistroSessao::apagaAntigos(const QString& pasta, const QDate& hoje, int dias) {
    if (dias <= 0)
        return 0;
    const QDate limite = hoje.addDays(-dias);
    int apagados = 0;
    const QDir dir(pasta);
    const QStringList nomes = dir.entryList({Prefixo + QLatin1Char('*') + Sufixo}, QDir::Files);
    for (const QString& nome : nomes) {
        const QDate dia = diaDoArquivo(nome);
        if (dia.isValid() && dia < limite && QFile::remove(dir.filePath(nome)))
            ++apagados;
    }
    return apagados;
}

bool RegistroSessao::abreDia(const QDate& dia) {
    if (m_arquivo.isOpen() && m_dia == dia)
        return true;
    m_arquivo.close();
    if (!QDir().mkpath(m_pasta)) {
        m_erro = QStringLiteral("cannot create %1").arg(QDir::toNativeSeparators(m_pasta));
        return false;
    }
    apagaAntigos(m_pasta, dia, m_dias);
    m_arquivo.setFileName(QDir(m_pasta).filePath(nomeArquivo(dia)));
    if (!m_arquivo.open(QIODevice::WriteOnly | QIODevice::Append)) {
        m_erro = m_arquivo.errorString();
        return false;
    }
    m_dia = dia;
    return true;
}

void RegistroSessao::escreve(const QString& porta, const QString& modelo, const char* sentido, const QString& texto,
                             bool corpo) {
    if (!m_ativo)
        return;
    const QDateTime quando = m_relogio();
    if (!abreDia(quando.date()))
        return;
    QByteArray entrada = quando.toOffsetFromUtc(quando.offsetFromUtc()).toString(Qt::ISODateWithMs).toUtf8();
    entrada += ' ';
    entrada += (porta.isEmpty() ? QStringLiteral("-") : porta).toUtf8();
    entrada += ' ';
    entrada += (modelo.isEmpty() ? QStringLiteral("-") : modelo).toUtf8();
    entrada += ' ';
    entrada += sentido;
    if (corpo) {
        entrada += '\n';
        entrada += linhasDoCorpo(texto);
    } else {
        entrada += ' ';
        // A command is one line; whatever else it holds is shown, not obeyed.
        QByteArray linha = linhasDoCorpo(texto);
        linha.remove(0, 4);
        linha.replace("\n  | ", "\\n");
        entrada += linha;
        if (!entrada.endsWith('\n'))
            entrada += '\n';
    }
    if (m_arquivo.write(entrada) != entrada.size() || !m_arquivo.flush()) {
        m_erro = m_arquivo.errorString();
        // Reopened at the next entry: the disk may have room again by then.
        m_arquivo.close();
        return;
    }
    m_erro.clear();
}

void RegistroSessao::comando(const QString& porta, const QString& modelo, const QString& texto) {
    escreve(porta, modelo, ">>", texto, false);
}

void RegistroSessao::resposta(const QString& porta, const QString& modelo, const QString& texto) {
    escreve(porta, modelo, "<<", texto, true);
}

void RegistroSessao::evento(const QString& porta, const QString& modelo, const QString& texto) {
    escreve(porta, modelo, "--", texto, false);
}

} // namespace tarsel
