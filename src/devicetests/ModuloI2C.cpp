#include "devicetests/ModuloI2C.h"

#include "base/Familias.h"
#include "base/Traducao.h"
#include "online/ClienteHttp.h"
#include "online/Servidor.h"
#include "store/Banco.h"

#include <QHash>
#include <QUrlQuery>

namespace tarsel::ModuloI2C {

namespace {

struct Dispositivo {
    const char* codigo;
    const char* texto;
};

// The first digit of a code is its bus; the text is bus digit, "x", the two address characters, "-" and
// the part. The address characters are kept as written: the answer is searched for them as they stand.
constexpr Dispositivo TabelaDispositivos[] = {
    {"001", "0x1A-TRISTAR - U1700"},
    {"002", "0x1A-TRISTAR - U4001"},
    {"003", "0x27-CHESTNUT (DISPLAY POWER SUPPLY) - U1501"},
    {"004", "0x27-CHESTNUT - DISPLAY PMU"},
    {"005", "0x27-CHESTNUT - U3703"},
    {"006", "0x27-CHESTNUT - U4000"},
    {"007", "0x50-EEPROM"},
    {"008", "0x52-ACESSORY BUCK - U6110"},
    {"009", "0x62-BACKLIGHT"},
    {"010", "0x62-BACKLIGHT 1 - U3701"},
    {"011", "0x62-BACKLIGHT 1 - U4020"},
    {"012", "0x63-NEON (BACKLIGHT CHIP1) - U1502"},
    {"013", "0x74-AGNES (POWER MANAGER) - U2700"},
    {"014", "0x74-BOOST (POWER MANAGER) - U1202"},
    {"015", "0x74-POWER MANAGER (PM) - U2000"},
    {"016", "0x75-BOOST - U2301"},
    {"017", "0x8 -SAKONNET"},
    {"101", "1x1A-TRISTAR - U4500"},
    {"102", "1x5A-LINEAR VIBE (MOTOR DRIVE) - U1400"},
    {"103", "1x62-BACKLIGHT 2 - U3701"},
    {"104", "1x74-ADELYN (POWER MANAGER) - U1801"},
    {"105", "1x75-TIGRIS - U2101"},
    {"106", "1x75-TIGRIS CHARGER (TIGRIS) - U1401"},
    {"107", "1x75-TIGRIS CHARGER (TIGRIS) - U2300"},
    {"201", "2x21-CONVOY"},
    {"202", "2x21-CONVOY (TOP SPEAKER CAP SERSE)"},
    {"203", "2x29-ALS - J3100"},
    {"204", "2x29-ALS - J4503"},
    {"205", "2x29ALS (LIGHT SENSING INTERFACE) - J1110"},
    {"206", "2x51-DISPLAY EEPROM"},
    {"207", "2X62-BACKLIGHT 2"},
    {"301", "3x50-EEPROM"},
    {"302", "3x51-DISPLAY EEPROM"},
    {"303", "3x51-EEPROM"},
    {"304", "3x51-TOUCH / DISPLAY J5800"},
    {"305", "3x62-MUON (BACKLIGHT CONTROLE)"},
    {"306", "3x8 -SAKONNET"},
    {"401", "4x29-CT709"},
    {"402", "4x58-DOPPLER (PROX SENSOR)"},
    {"403", "4x58-PROX"},
    {"601", "6x39-IKTARA - U3400"},
    {"602", "6x55-SN45546 (CONECTOR BATERIA) - J3200"},
    {"603", "6x71-TIGRIS2 - U3300"},
    {"604", "6x75-TPS61280 (VBOOST) - U3100"},
    {"701", "7x1A-HYDRA"},
    {"702", "7x1A-HYDRA - U6300"},
};

} // namespace

QString Comando(int barramento) {
    return QStringLiteral("i2c -s ") + QString::number(barramento);
}

QString NomeDispositivoI2C(const QString& codigo) {
    // Looked up once per device of every scan: an index instead of a walk through the table (the first row
    // of a code wins, as the walk had it).
    static const QHash<QString, QString> indice = [] {
        QHash<QString, QString> i;
        for (const Dispositivo& d : TabelaDispositivos) {
            const QString chave = QString::fromLatin1(d.codigo);
            if (!i.contains(chave))
                i.insert(chave, QString::fromLatin1(d.texto));
        }
        return i;
    }();
    return indice.value(codigo);
}

QStringList CodigosConhecidos() {
    QStringList codigos;
    for (const Dispositivo& d : TabelaDispositivos)
        codigos << QString::fromLatin1(d.codigo);
    return codigos;
}

QString ChaveEndereco(const QString& textoDispositivo) {
    return textoDispositivo.mid(1, 3);
}

QString Descricao(const QString& textoDispositivo) {
    const qsizetype traco = textoDispositivo.indexOf(u'-');
    return traco < 0 ? QString() : textoDispositivo.mid(traco + 1);
}

QList<DispositivoI2C> Analisa(const QStringList& codigos, const QString& resposta) {
    QList<DispositivoI2C> lista;
    for (const QString& codigo : codigos) {
        DispositivoI2C d;
        d.codigo = codigo.trimmed();
        d.texto = NomeDispositivoI2C(d.codigo);
        if (d.texto.isEmpty())
            continue;
        d.chave = ChaveEndereco(d.texto);
        d.descricao = Descricao(d.texto);
        d.responde = resposta.contains(d.chave, Qt::CaseSensitive);
        lista << d;
    }
    return lista;
}

bool AlgumAusente(const QList<DispositivoI2C>& dispositivos) {
    for (const DispositivoI2C& d : dispositivos) {
        if (!d.responde)
            return true;
    }
    return false;
}

QString LinhaResultado(const DispositivoI2C& d) {
    return QStringLiteral("  0") + d.chave + QStringLiteral(" - ") + d.descricao + QStringLiteral(" - ") +
           Traduz(d.responde ? QStringLiteral("COMUNICAÇÃO OK") : QStringLiteral("COMUNICAÇÃO OFF"));
}

QString TituloBarramento(const QString& familia, int barramento) {
    const QString inicio = familia.left(4);
    if (inicio == QLatin1String("IP 7") && barramento == 4)
        return QStringLiteral("  i2c AOP");
    if (FamiliaOitoOuX(familia)) {
        switch (barramento) {
        case 4:
            return QStringLiteral("  i2c 0 AOP");
        case 5:
            return QStringLiteral("  i2c 1 AOP");
        case 6:
            return QStringLiteral("  i2c 0 SMC");
        case 7:
            return QStringLiteral("  i2c 1 SMC");
        default:
            break;
        }
    }
    return QStringLiteral("  I2C ") + QString::number(barramento);
}

bool LinhaEmBrancoAntesDoTitulo(const QString& familia) {
    return !FamiliaOitoOuX(familia);
}

bool SemResposta(const QString& resposta) {
    return resposta.trimmed().isEmpty();
}

BotoesI2C OcultaBotoes(const QString& familia, const std::function<QString(int)>& lePagina) {
    BotoesI2C b;
    for (int n = 0; n < Barramentos; ++n)
        b[n].legenda = QStringLiteral("i2c ") + QString::number(n);
    const QString inicio = familia.left(4);
    if (inicio == QLatin1String("IP 6")) {
        b[3].habilitado = false;
        for (int n = 3; n < Barramentos; ++n)
            b[n].visivel = false;
    } else if (inicio == QLatin1String("IP 7")) {
        b[5].habilitado = false;
        for (int n = 5; n < Barramentos; ++n)
            b[n].visivel = false;
        b[4].legenda = QStringLiteral("i2c AOP");
        if (familia == QLatin1String("IP 7 Plus"))
            b[3].habilitado = lePagina && lePagina(53) == QLatin1String("S");
    } else if (inicio == QLatin1String("IP 8") || inicio == QLatin1String("IP X")) {
        if (inicio == QLatin1String("IP 8")) {
            b[1].habilitado = false;
            b[5].habilitado = false;
        } else {
            b[1].habilitado = false;
            b[2].habilitado = false;
        }
        b[4].legenda = QStringLiteral("i2c 0 AOP");
        b[5].legenda = QStringLiteral("i2c 1 AOP");
        b[6].legenda = QStringLiteral("i2c 0 SMC");
        b[7].legenda = QStringLiteral("i2c 1 SMC");
    }
    return b;
}

PassoAuto ProximoPassoAuto(const BotoesI2C& botoes, int& passo) {
    PassoAuto p;
    if (passo < 0 || passo >= Barramentos)
        return p;
    if (botoes[passo].habilitado) {
        p.acao = PassoAuto::Acao::Testa;
        p.barramento = passo++;
        return p;
    }
    ++passo;
    // Past the last button there is nothing to look at: the next tick ends at step 8 without the message.
    if (passo < Barramentos && !botoes[passo].visivel) {
        p.mensagemSemFalha = true;
        return p;
    }
    p.acao = PassoAuto::Acao::Pula;
    return p;
}

PercursoAuto PercorreAuto(const BotoesI2C& botoes) {
    PercursoAuto r;
    int passo = 0;
    for (;;) {
        const PassoAuto p = ProximoPassoAuto(botoes, passo);
        if (p.acao == PassoAuto::Acao::Testa)
            r.barramentos << p.barramento;
        else if (p.acao == PassoAuto::Acao::Termina) {
            r.mensagemSemFalha = p.mensagemSemFalha;
            return r;
        }
    }
}

QString DocumentoDiagrama(const QString& familia) {
    if (familia.left(5) == QLatin1String("IP 6s"))
        return QStringLiteral("xA9.pdf");
    const QString inicio = familia.left(4);
    if (inicio == QLatin1String("IP 6"))
        return QStringLiteral("xA8.pdf");
    if (inicio == QLatin1String("IP 7"))
        return QStringLiteral("xA10.pdf");
    if (inicio == QLatin1String("IP 8") || inicio == QLatin1String("IP X"))
        return QStringLiteral("xA11.pdf");
    return {};
}

QStringList FamiliasDoDocumento(const QString& documento) {
    QStringList familias;
    for (const QString& f : FamiliasModelo()) {
        if (DocumentoDiagrama(f) == documento)
            familias << f;
    }
    return familias;
}

QStringList Documentos() {
    QStringList lista;
    for (const QString& f : FamiliasModelo()) {
        const QString d = DocumentoDiagrama(f);
        if (!d.isEmpty() && !lista.contains(d))
            lista << d;
    }
    return lista;
}

QStringList Dispositivos(const QString& familia, int barramento, const QString& caminhoBanco) {
    Banco b(caminhoBanco, Banco::Modo::SomenteLeitura);
    QSqlQuery q =
        b.executa(QStringLiteral("select ID from i where Aparelho = ? and ID like ? escape '\\' order by rowid"),
                  {familia, Banco::PadraoJet(QString::number(barramento) + QStringLiteral("*"))});
    QStringList codigos;
    while (q.next())
        codigos << q.value(0).toString();
    return codigos;
}

QMap<int, QStringList> MapaFamilia(const QString& familia, const QString& caminhoBanco) {
    QMap<int, QStringList> mapa;
    for (int n = 0; n < Barramentos; ++n) {
        const QStringList codigos = Dispositivos(familia, n, caminhoBanco);
        if (!codigos.isEmpty())
            mapa.insert(n, codigos);
    }
    return mapa;
}

QString QuebraLinhas(const QString& notas) {
    QString t = notas;
    t.replace(QLatin1String("<br>"), QLatin1String("\r\n"));
    return t;
}

QString NotasFalha(const QString& familia, int barramento, int idioma) {
    QUrlQuery q;
    q.addQueryItem(QStringLiteral("p"), IdentificacaoPrograma);
    q.addQueryItem(QStringLiteral("m"), familia);
    q.addQueryItem(QStringLiteral("b"), QString::number(barramento));
    q.addQueryItem(QStringLiteral("l"), QString::number(idioma));
    const QUrl endereco = EnderecoServidor(QStringLiteral("i2c"), q);
    if (endereco.isEmpty())
        return {};
    return QuebraLinhas(BuscaPagina(endereco));
}

} // namespace tarsel::ModuloI2C
