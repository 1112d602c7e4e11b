// Writes the console's help documents from the command list of the reference database:
//   tarsel-ajuda <Config.tsl> <program folder>
// gives xEDK_BR.pdf (Portuguese), xEDK_USA.pdf (English) and xEDK_ES.pdf (Spanish), each with a title, a
// short introduction and the table of commands with their description in the document's language. Runs at
// build time (QT_QPA_PLATFORM=offscreen: no display is needed to lay out text).

#include "base/ErroVB.h"
#include "store/Banco.h"

#include <QDir>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextStream>

using namespace tarsel;

namespace {

struct Documento {
    QString arquivo;
    int coluna; // Info, Info2 or Info3 of Comandos
    QString titulo, subtitulo, introducao, cabecalhoComando, cabecalhoDescricao, semDescricao;
};

const QList<Documento> Documentos = {
    {QStringLiteral("xEDK_BR.pdf"), 1, QStringLiteral("Voltrace Tarsel"),
     QStringLiteral("Comandos do modo diagnóstico"),
     QStringLiteral("Estes são os comandos que o console do Voltrace Tarsel conhece. Digite ou escolha um comando "
                    "no campo de comandos e clique em Executar: a resposta do aparelho aparece à esquerda e, à "
                    "direita, a resposta gravada de uma placa boa do mesmo modelo. Quando as duas conferem, o "
                    "console mostra a marca Auto Comparador. Números de série e outras identificações da placa "
                    "aparecem como xxxxx® nas respostas gravadas."),
     QStringLiteral("Comando"), QStringLiteral("Descrição"), QStringLiteral("(sem descrição)")},
    {QStringLiteral("xEDK_USA.pdf"), 2, QStringLiteral("Voltrace Tarsel"), QStringLiteral("Diagnostics mode commands"),
     QStringLiteral("These are the commands the Voltrace Tarsel console knows. Type or pick a command in the "
                    "command field and click Run: the phone's answer shows on the left and, on the right, the "
                    "saved answer of a good board of the same model. When the two match, the console shows the "
                    "Auto Comparador mark. Serial numbers and other board identities show as xxxxx® in the saved "
                    "answers."),
     QStringLiteral("Command"), QStringLiteral("Description"), QStringLiteral("(no description)")},
    {QStringLiteral("xEDK_ES.pdf"), 3, QStringLiteral("Voltrace Tarsel"),
     QStringLiteral("Comandos del modo diagnóstico"),
     QStringLiteral("Estos son los comandos que conoce la consola de Voltrace Tarsel. Escriba o elija un comando "
                    "en el campo de comandos y haga clic en Ejecutar: la respuesta del teléfono aparece a la "
                    "izquierda y, a la derecha, la respuesta grabada de una placa buena del mismo modelo. Cuando "
                    "ambas coinciden, la consola muestra la marca Auto Comparador. Los números de serie y otras "
                    "identificaciones de la placa aparecen como xxxxx® en las respuestas grabadas."),
     QStringLiteral("Comando"), QStringLiteral("Descripción"), QStringLiteral("(sin descripción)")},
};

QString html(const Documento& d, const QList<QStringList>& comandos) {
    QString h;
    QTextStream s(&h);
    s << "<html><body style=\"font-family: 'DejaVu Sans'; font-size: 10pt;\">"
      << "<h1 style=\"color: #1a4f7a;\">" << d.titulo.toHtmlEscaped() << "</h1>"
      << "<h2>" << d.subtitulo.toHtmlEscaped() << "</h2>"
      << "<p>" << d.introducao.toHtmlEscaped() << "</p>"
      << "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
         "style=\"border-color: #8a9bb0; border-style: solid;\">"
      << "<thead><tr style=\"background-color: #dce6f0;\"><th width=\"34%\" align=\"left\">"
      << d.cabecalhoComando.toHtmlEscaped() << "</th><th align=\"left\">" << d.cabecalhoDescricao.toHtmlEscaped()
      << "</th></tr></thead>";
    for (const QStringList& c : comandos) {
        const QString descricao = c.value(d.coluna).trimmed();
        s << "<tr><td style=\"font-family: 'DejaVu Sans Mono';\">" << c.value(0).toHtmlEscaped() << "</td><td>"
          << (descricao.isEmpty() ? d.semDescricao : descricao).toHtmlEscaped() << "</td></tr>";
    }
    s << "</table></body></html>";
    return h;
}

bool escreve(const QString& caminho, const QString& conteudo) {
    // Written beside the target and renamed into place: a failed build never leaves half a document.
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter pdf(&arquivo);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setTitle(QStringLiteral("Voltrace Tarsel"));
        pdf.setCreator(QStringLiteral("Voltrace Tarsel"));
        QTextDocument doc;
        doc.setHtml(conteudo);
        doc.print(&pdf);
    }
    return arquivo.commit();
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: tarsel-ajuda <Config.tsl> <program folder>" << Qt::endl;
        return 2;
    }
    QList<QStringList> comandos;
    try {
        Banco banco(args.at(1), Banco::Modo::SomenteLeitura);
        QSqlQuery q =
            banco.executa(QStringLiteral("Select Comando, Info, Info2, Info3 From Comandos order by Comando"));
        while (q.next())
            comandos << QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                                    q.value(3).toString()};
    } catch (const ErroVB& e) {
        QTextStream(stderr) << "tarsel-ajuda: " << e.descricao() << Qt::endl;
        return 1;
    }
    const QDir pasta(args.at(2));
    for (const Documento& d : Documentos) {
        if (!escreve(pasta.filePath(d.arquivo), html(d, comandos))) {
            QTextStream(stderr) << "tarsel-ajuda: cannot write " << pasta.filePath(d.arquivo) << Qt::endl;
            return 1;
        }
    }
    return 0;
}
