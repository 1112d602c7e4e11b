#include "PaginaRelatorio.h"

#include "Html.h"

#include <QCryptographicHash>
#include <QList>
#include <QStringList>

namespace tarsel {

namespace {

// The page's texts in Portuguese, English and Spanish (index 0, 1, 2).
struct Textos {
    QString lingua, relatorio, tipoVCore, tipoLdo, tipoBuck, acorn, chest, modelo, data, emp, malha, linha, leitura,
        referencia, desvio, resultado, aprovado, reprovado, semDesvio, desconhecido, resumo, imprimir, invalido,
        invalidoDetalhe, rodape;
};

const Textos& textos(int idioma) {
    static const Textos t[3] = {
        {QStringLiteral("pt-BR"),
         QStringLiteral("Relatório"),
         QStringLiteral("VCore"),
         QStringLiteral("LDO"),
         QStringLiteral("BUCK"),
         QStringLiteral("Acorn"),
         QStringLiteral("Chestnut"),
         QStringLiteral("Modelo"),
         QStringLiteral("Data"),
         QStringLiteral("Técnico / empresa"),
         QStringLiteral("Malha"),
         QStringLiteral("Linha"),
         QStringLiteral("Leitura"),
         QStringLiteral("Referência"),
         QStringLiteral("Desvio"),
         QStringLiteral("Resultado"),
         QStringLiteral("Aprovado"),
         QStringLiteral("Reprovado"),
         QStringLiteral("Sem desvio"),
         QStringLiteral("?"),
         QStringLiteral("Aprovados: %1 · Reprovados: %2 · Sem desvio: %3"),
         QStringLiteral("Imprimir / Salvar como PDF"),
         QStringLiteral("Relatório inválido"),
         QStringLiteral("O endereço não traz as leituras de um relatório. Gere o relatório de novo pelo programa."),
         QStringLiteral("Leituras feitas pelo shell de diagnóstico do aparelho com o Voltrace Tarsel.")},
        {QStringLiteral("en"),
         QStringLiteral("Report"),
         QStringLiteral("VCore"),
         QStringLiteral("LDO"),
         QStringLiteral("BUCK"),
         QStringLiteral("Acorn"),
         QStringLiteral("Chestnut"),
         QStringLiteral("Model"),
         QStringLiteral("Date"),
         QStringLiteral("Technician / company"),
         QStringLiteral("Net"),
         QStringLiteral("Line"),
         QStringLiteral("Reading"),
         QStringLiteral("Reference"),
         QStringLiteral("Deviation"),
         QStringLiteral("Result"),
         QStringLiteral("Pass"),
         QStringLiteral("Fail"),
         QStringLiteral("No deviation"),
         QStringLiteral("?"),
         QStringLiteral("Passed: %1 · Failed: %2 · No deviation: %3"),
         QStringLiteral("Print / Save as PDF"),
         QStringLiteral("Invalid report"),
         QStringLiteral("The address does not carry the readings of a report. Make the report again from the program."),
         QStringLiteral("Readings taken through the phone's diagnostics shell with Voltrace Tarsel.")},
        {QStringLiteral("es"),
         QStringLiteral("Informe"),
         QStringLiteral("VCore"),
         QStringLiteral("LDO"),
         QStringLiteral("BUCK"),
         QStringLiteral("Acorn"),
         QStringLiteral("Chestnut"),
         QStringLiteral("Modelo"),
         QStringLiteral("Fecha"),
         QStringLiteral("Técnico / empresa"),
         QStringLiteral("Malla"),
         QStringLiteral("Línea"),
         QStringLiteral("Lectura"),
         QStringLiteral("Referencia"),
         QStringLiteral("Desvío"),
         QStringLiteral("Resultado"),
         QStringLiteral("Aprobado"),
         QStringLiteral("Reprobado"),
         QStringLiteral("Sin desvío"),
         QStringLiteral("?"),
         QStringLiteral("Aprobados: %1 · Reprobados: %2 · Sin desvío: %3"),
         QStringLiteral("Imprimir / Guardar como PDF"),
         QStringLiteral("Informe inválido"),
         QStringLiteral(
             "La dirección no trae las lecturas de un informe. Genere el informe de nuevo desde el programa."),
         QStringLiteral("Lecturas tomadas por el shell de diagnóstico del teléfono con Voltrace Tarsel.")},
    };
    return t[(idioma >= 1 && idioma <= 3) ? idioma - 1 : 0];
}

// The printing script, kept apart so the page's policy can allow exactly it (by its hash) and no
// other script.
const QString ScriptImprimir =
    QStringLiteral("document.getElementById('imprimir').addEventListener('click',function(){window.print();});");

QByteArray politica() {
    const QByteArray hash = QCryptographicHash::hash(ScriptImprimir.toUtf8(), QCryptographicHash::Sha256).toBase64();
    return "default-src 'none'; style-src 'unsafe-inline'; script-src 'sha256-" + hash +
           "'; base-uri 'none'; form-action 'none'";
}

const QString Estilo = QStringLiteral(
    "header{display:flex;justify-content:space-between;align-items:flex-end;border-bottom:3px solid #0b4a7a;"
    "padding-bottom:6px}"
    ".marca{font-size:13px;color:#555;letter-spacing:1px;text-transform:uppercase}"
    "dl{display:grid;grid-template-columns:max-content 1fr;gap:4px 14px;margin:14px 0}dt{font-weight:bold}dd{margin:0}"
    "table{border-collapse:collapse;width:100%;font-size:14px}"
    "th,td{border:1px solid #9aa;padding:5px 8px;text-align:left}th{background:#e4ebf2}"
    "td.n{text-align:right;color:#555;width:2em}"
    "tr.aprovado td{background:#c0ffc0}tr.reprovado td{background:#ffb8b8}tr.semdesvio td{background:#ececec}"
    ".resumo{margin:10px 0;font-weight:bold}.rodape{font-size:12px;color:#555;margin-top:18px}"
    "button{font-size:15px;padding:8px 16px;margin:14px 0;cursor:pointer}"
    "*{-webkit-print-color-adjust:exact;print-color-adjust:exact}"
    "@media print{.naoimprime{display:none}body{margin:0}}");

struct Coluna {
    QString chave; // key prefix in the query
    QString titulo;
};

} // namespace

RespostaHttp PaginaRelatorio::responde(const QString& pagina, const QUrlQuery& consulta) {
    const auto valor = [&consulta](const QString& chave) { return consulta.queryItemValue(chave, QUrl::FullyDecoded); };
    bool idiomaOk = false;
    const int idioma = valor(QStringLiteral("IDIOMA")).trimmed().toInt(&idiomaOk);
    const Textos& t = textos(idiomaOk ? idioma : 1);

    QString titulo;
    QList<Coluna> colunas;
    QString chaveStatus = QStringLiteral("I");
    if (pagina == QLatin1String("index.php")) {
        const QString tipo = valor(QStringLiteral("TIPO")).trimmed();
        const QString nomeTipo = tipo == QLatin1String("0")   ? t.tipoVCore
                                 : tipo == QLatin1String("1") ? t.tipoLdo
                                 : tipo == QLatin1String("2") ? t.tipoBuck
                                                              : QString();
        titulo = nomeTipo.isEmpty() ? t.relatorio : t.relatorio + QLatin1Char(' ') + nomeTipo;
        if (tipo == QLatin1String("0") || consulta.hasQueryItem(QStringLiteral("P1")))
            colunas << Coluna{QStringLiteral("P"), t.malha};
        colunas << Coluna{QStringLiteral("L"), t.leitura} << Coluna{QStringLiteral("R"), t.referencia}
                << Coluna{QStringLiteral("O"), t.desvio};
    } else if (pagina == QLatin1String("acorn.php") || pagina == QLatin1String("chest.php")) {
        titulo = t.relatorio + QLatin1Char(' ') + (pagina == QLatin1String("acorn.php") ? t.acorn : t.chest);
        colunas << Coluna{QStringLiteral("M"), t.linha} << Coluna{QStringLiteral("L"), t.leitura}
                << Coluna{QStringLiteral("R"), t.referencia} << Coluna{QStringLiteral("P"), t.desvio};
    } else {
        return RespostaHttp::html(Html::pagina(t.lingua, QStringLiteral("404"), QStringLiteral("<h1>404</h1>\n")), 404);
    }

    // Rows run from 1 while any of their keys is there.
    QString linhas;
    int aprovados = 0, reprovados = 0, semDesvio = 0, n = 0;
    for (int i = 1; i <= MaximoLinhas; ++i) {
        const QString sufixo = QString::number(i);
        bool existe = consulta.hasQueryItem(chaveStatus + sufixo);
        for (const Coluna& c : colunas)
            existe = existe || consulta.hasQueryItem(c.chave + sufixo);
        if (!existe)
            break;
        n = i;
        const QString status = valor(chaveStatus + sufixo).trimmed();
        QString classe, texto;
        if (status == QLatin1String("1") || status.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
            classe = QStringLiteral("aprovado");
            texto = t.aprovado;
            ++aprovados;
        } else if (status == QLatin1String("0") || status.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
            classe = QStringLiteral("reprovado");
            texto = t.reprovado;
            ++reprovados;
        } else if (status == QLatin1String("3")) {
            classe = QStringLiteral("semdesvio");
            texto = t.semDesvio;
            ++semDesvio;
        } else {
            classe = QStringLiteral("desconhecido");
            texto = status.isEmpty() ? t.desconhecido : status;
        }
        linhas += QStringLiteral("<tr class=\"%1\"><td class=\"n\">%2</td>").arg(classe, sufixo);
        for (const Coluna& c : colunas)
            linhas += QStringLiteral("<td>") + Html::escapa(valor(c.chave + sufixo)) + QStringLiteral("</td>");
        linhas += QStringLiteral("<td>") + Html::escapa(texto) + QStringLiteral("</td></tr>\n");
    }

    QString corpo =
        QStringLiteral("<header><div><div class=\"marca\">Voltrace Tarsel</div><h1>%1</h1></div>"
                       "<button id=\"imprimir\" class=\"naoimprime\" type=\"button\">%2</button></header>\n")
            .arg(Html::escapa(titulo), Html::escapa(t.imprimir));
    if (n == 0) {
        corpo +=
            QStringLiteral("<h2>%1</h2>\n<p>%2</p>\n").arg(Html::escapa(t.invalido), Html::escapa(t.invalidoDetalhe));
    } else {
        const QString emp = valor(QStringLiteral("EMP"));
        corpo += QStringLiteral("<dl><dt>%1</dt><dd id=\"modelo\">%2</dd><dt>%3</dt><dd id=\"data\">%4</dd>"
                                "<dt>%5</dt><dd id=\"emp\">%6</dd></dl>\n")
                     .arg(Html::escapa(t.modelo), Html::escapa(valor(QStringLiteral("MODELO"))), Html::escapa(t.data),
                          Html::escapa(valor(QStringLiteral("DATA"))), Html::escapa(t.emp),
                          emp.trimmed().isEmpty() ? QStringLiteral("&mdash;") : Html::escapa(emp));
        corpo += QStringLiteral("<table>\n<thead><tr><th></th>");
        for (const Coluna& c : colunas)
            corpo += QStringLiteral("<th>") + Html::escapa(c.titulo) + QStringLiteral("</th>");
        corpo += QStringLiteral("<th>") + Html::escapa(t.resultado) + QStringLiteral("</th></tr></thead>\n<tbody>\n") +
                 linhas + QStringLiteral("</tbody>\n</table>\n");
        corpo += QStringLiteral("<p class=\"resumo\">%1</p>\n")
                     .arg(Html::escapa(t.resumo.arg(aprovados).arg(reprovados).arg(semDesvio)));
        corpo += QStringLiteral("<p class=\"rodape\">%1</p>\n").arg(Html::escapa(t.rodape));
    }
    corpo += QStringLiteral("<script>") + ScriptImprimir + QStringLiteral("</script>\n");

    RespostaHttp r = RespostaHttp::html(Html::pagina(t.lingua, titulo, corpo, Estilo), n == 0 ? 400 : 200);
    r.politica = politica();
    return r;
}

} // namespace tarsel
