// Writes the panic guide opened by the additional tests screen:
//   tarsel-guia-panic <program folder>
// gives xPanicFull.pdf: a short guide for the technician on reading a phone's panic logs (what a panic is,
// where the log is, what its lines point at, what to check on the board), in Portuguese, English and
// Spanish, one language after the other, each from a new page. Runs at build time
// (QT_QPA_PLATFORM=offscreen: no display is needed to lay out text).

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextStream>

namespace {

const QString Arquivo = QStringLiteral("xPanicFull.pdf");

// One cause: the words to look for in the log, the part they point at, what to do.
struct Causa {
    QString palavras, subsistema, verificar;
};

struct Guia {
    QString idioma, titulo, subtitulo;
    QString tituloOQue, textoOQue;
    QString tituloOnde;
    QStringList passosOnde;
    QString tituloLer;
    QStringList passosLer;
    QString tituloCausas, cabecalhoPalavras, cabecalhoSubsistema, cabecalhoVerificar;
    QList<Causa> causas;
    QString tituloPlaca;
    QStringList passosPlaca;
    QString aviso;
};

const QList<Guia> Guias = {
    {QStringLiteral("pt-BR"),
     QStringLiteral("Guia de leitura de panics"),
     QStringLiteral("Voltrace Tarsel — para o técnico de bancada"),
     QStringLiteral("O que é um panic"),
     QStringLiteral("Um panic é a parada de emergência do sistema do aparelho: diante de uma falha da qual não "
                    "consegue se recuperar, o sistema grava um registro (o log de panic) e reinicia. Um aparelho "
                    "que reinicia sozinho em intervalos regulares, ou que não passa do logotipo, quase sempre "
                    "deixa esses registros. Eles apontam a parte da placa que falhou e poupam horas de medição."),
     QStringLiteral("Onde encontrar o log"),
     {QStringLiteral("Nos ajustes do aparelho, em privacidade, na lista de dados de análise. Os registros "
                     "começam com \"panic-full\" seguido da data e da hora."),
      QStringLiteral("Abra o mais recente e compare com os anteriores: a mesma causa em todos confirma o "
                     "defeito; causas diferentes sugerem alimentação instável ou memória."),
      QStringLiteral("Anote o intervalo entre os registros. Reinícios a cada três minutos, mais ou menos, "
                     "costumam ser um sensor ausente; reinícios na partida apontam a memória, a NAND ou a "
                     "alimentação.")},
     QStringLiteral("Como ler"),
     {QStringLiteral("Procure a linha \"panicString\": ela traz o motivo da parada em poucas palavras."),
      QStringLiteral("Procure nela os nomes de sensores, barramentos (i2c), CIs ou subsistemas da tabela "
                     "abaixo."),
      QStringLiteral("Ignore os endereços hexadecimais e a lista de processos: eles raramente ajudam no "
                     "reparo da placa.")},
     QStringLiteral("Causas comuns por subsistema"),
     QStringLiteral("No log"),
     QStringLiteral("Parte da placa"),
     QStringLiteral("O que verificar"),
     {{QStringLiteral("missing sensor(s), thermal sensor"),
       QStringLiteral("Flex de carga, flex superior, sensores de temperatura"),
       QStringLiteral("Reencaixe ou troque o flex por um bom conhecido; confira os conectores e as linhas do "
                      "sensor citado.")},
      {QStringLiteral("watchdog timeout, i2c"), QStringLiteral("Barramentos I2C e os CIs ligados a eles"),
       QStringLiteral("Rode o teste de barramento I2C do programa; um CI que não responde ou um barramento em "
                      "curto para a placa.")},
      {QStringLiteral("nand, storage"), QStringLiteral("Memória NAND e sua alimentação"),
       QStringLiteral("Rode os testes de NAND (identificação, tamanho, leitura syscfg) e as tensões NAND da tela "
                      "VCore.")},
      {QStringLiteral("pmu, power, brownout"), QStringLiteral("PMU e conversores"),
       QStringLiteral("Leia BUCK e LDO na tela PMU e compare com as referências; procure malhas em curto ou "
                      "baixas.")},
      {QStringLiteral("baseband, bb"), QStringLiteral("Rádio baseband"),
       QStringLiteral("Rode os testes de RF; confira a alimentação do baseband e a solda do CI.")},
      {QStringLiteral("data abort, memory"), QStringLiteral("Memória RAM e processador"),
       QStringLiteral("Rode os testes de memória RAM (Bat / RAM) e as tensões de CPU na tela VCore.")},
      {QStringLiteral("gpu"), QStringLiteral("Processador gráfico"),
       QStringLiteral("Confira as tensões de GPU na tela VCore (no modo diagnóstico elas aparecem com \"*\").")}},
     QStringLiteral("O que verificar na placa"),
     {QStringLiteral("Comece pelo mais simples: flex, conectores e bateria. Muitos panics somem com um flex "
                     "bom conhecido."),
      QStringLiteral("Procure oxidação, componentes faltando e sinais de queda perto do CI citado."),
      QStringLiteral("Meça as malhas de alimentação do subsistema com o programa e compare com uma placa boa "
                     "gravada (G1 a G3)."),
      QStringLiteral("Depois de cada troca, apague os registros antigos e observe se novos panics aparecem.")},
     QStringLiteral("Este guia orienta a investigação; o diagnóstico final depende das medições na placa.")},

    {QStringLiteral("en"),
     QStringLiteral("Reading panic logs"),
     QStringLiteral("Voltrace Tarsel — for the bench technician"),
     QStringLiteral("What a panic is"),
     QStringLiteral("A panic is the phone system's emergency stop: faced with a fault it cannot recover from, the "
                    "system writes a record (the panic log) and restarts. A phone that restarts by itself at "
                    "regular intervals, or never gets past the logo, nearly always leaves these records. They "
                    "point at the part of the board that failed and save hours of measuring."),
     QStringLiteral("Where to find the log"),
     {QStringLiteral("In the phone's settings, under privacy, in the list of analytics data. The records "
                     "start with \"panic-full\" followed by the date and time."),
      QStringLiteral("Open the newest and compare it with the older ones: the same cause in all of them confirms "
                     "the fault; different causes suggest an unstable supply or memory."),
      QStringLiteral("Note the time between records. Restarts about every three minutes are usually a missing "
                     "sensor; restarts while starting up point at the memory, the NAND or the supply.")},
     QStringLiteral("How to read it"),
     {QStringLiteral("Look for the \"panicString\" line: it gives the reason for the stop in a few words."),
      QStringLiteral("Look in it for the names of sensors, buses (i2c), ICs or subsystems from the table below."),
      QStringLiteral("Skip the hexadecimal addresses and the process list: they rarely help with a board "
                     "repair.")},
     QStringLiteral("Common causes by subsystem"),
     QStringLiteral("In the log"),
     QStringLiteral("Part of the board"),
     QStringLiteral("What to check"),
     {{QStringLiteral("missing sensor(s), thermal sensor"),
       QStringLiteral("Charging flex, top flex, temperature sensors"),
       QStringLiteral("Reseat or swap the flex for a known-good one; check the connectors and the lines of the "
                      "named sensor.")},
      {QStringLiteral("watchdog timeout, i2c"), QStringLiteral("I2C buses and the ICs on them"),
       QStringLiteral("Run the program's I2C bus test; an IC that does not answer or a shorted bus stops the "
                      "board.")},
      {QStringLiteral("nand, storage"), QStringLiteral("NAND memory and its supply"),
       QStringLiteral("Run the NAND tests (identification, size, syscfg read) and the NAND voltages of the VCore "
                      "screen.")},
      {QStringLiteral("pmu, power, brownout"), QStringLiteral("PMU and converters"),
       QStringLiteral("Read BUCK and LDO on the PMU screen against the references; look for shorted or low "
                      "rails.")},
      {QStringLiteral("baseband, bb"), QStringLiteral("Baseband radio"),
       QStringLiteral("Run the RF tests; check the baseband supply and the IC's solder.")},
      {QStringLiteral("data abort, memory"), QStringLiteral("RAM and processor"),
       QStringLiteral("Run the RAM tests (Bat / RAM) and the CPU voltages on the VCore screen.")},
      {QStringLiteral("gpu"), QStringLiteral("Graphics processor"),
       QStringLiteral("Check the GPU voltages on the VCore screen (diagnostics mode shows them as \"*\").")}},
     QStringLiteral("What to check on the board"),
     {QStringLiteral("Start with the simplest: flex cables, connectors and battery. Many panics go away with a "
                     "known-good flex."),
      QStringLiteral("Look for corrosion, missing parts and signs of a drop near the named IC."),
      QStringLiteral("Measure the subsystem's supply rails with the program and compare them with a recorded "
                     "good board (G1 to G3)."),
      QStringLiteral("After each replacement, clear the old records and watch whether new panics appear.")},
     QStringLiteral("This guide directs the search; the final diagnosis rests on the measurements on the board.")},

    {QStringLiteral("es"),
     QStringLiteral("Guía de lectura de panics"),
     QStringLiteral("Voltrace Tarsel — para el técnico de banco"),
     QStringLiteral("Qué es un panic"),
     QStringLiteral("Un panic es la parada de emergencia del sistema del teléfono: ante una falla de la que no "
                    "puede recuperarse, el sistema graba un registro (el log de panic) y se reinicia. Un teléfono "
                    "que se reinicia solo a intervalos regulares, o que no pasa del logotipo, casi siempre deja "
                    "estos registros. Señalan la parte de la placa que falló y ahorran horas de medición."),
     QStringLiteral("Dónde encontrar el log"),
     {QStringLiteral("En los ajustes del teléfono, en privacidad, en la lista de datos de análisis. Los registros "
                     "empiezan con \"panic-full\" seguido de la fecha y la hora."),
      QStringLiteral("Abra el más reciente y compárelo con los anteriores: la misma causa en todos confirma la "
                     "falla; causas distintas sugieren una alimentación inestable o la memoria."),
      QStringLiteral("Anote el intervalo entre registros. Reinicios cada tres minutos, más o menos, suelen ser un "
                     "sensor ausente; reinicios durante el arranque apuntan a la memoria, la NAND o la "
                     "alimentación.")},
     QStringLiteral("Cómo leerlo"),
     {QStringLiteral("Busque la línea \"panicString\": da el motivo de la parada en pocas palabras."),
      QStringLiteral("Busque en ella nombres de sensores, buses (i2c), CIs o subsistemas de la tabla de abajo."),
      QStringLiteral("Ignore las direcciones hexadecimales y la lista de procesos: rara vez ayudan en la "
                     "reparación de la placa.")},
     QStringLiteral("Causas comunes por subsistema"),
     QStringLiteral("En el log"),
     QStringLiteral("Parte de la placa"),
     QStringLiteral("Qué verificar"),
     {{QStringLiteral("missing sensor(s), thermal sensor"),
       QStringLiteral("Flex de carga, flex superior, sensores de temperatura"),
       QStringLiteral("Vuelva a conectar o cambie el flex por uno bueno conocido; revise los conectores y las "
                      "líneas del sensor citado.")},
      {QStringLiteral("watchdog timeout, i2c"), QStringLiteral("Buses I2C y los CIs conectados a ellos"),
       QStringLiteral("Ejecute la prueba de bus I2C del programa; un CI que no responde o un bus en corto detiene "
                      "la placa.")},
      {QStringLiteral("nand, storage"), QStringLiteral("Memoria NAND y su alimentación"),
       QStringLiteral("Ejecute las pruebas de NAND (identificación, tamaño, lectura syscfg) y las tensiones NAND "
                      "de la pantalla VCore.")},
      {QStringLiteral("pmu, power, brownout"), QStringLiteral("PMU y convertidores"),
       QStringLiteral("Lea BUCK y LDO en la pantalla PMU frente a las referencias; busque líneas en corto o "
                      "bajas.")},
      {QStringLiteral("baseband, bb"), QStringLiteral("Radio baseband"),
       QStringLiteral("Ejecute las pruebas de RF; revise la alimentación del baseband y la soldadura del CI.")},
      {QStringLiteral("data abort, memory"), QStringLiteral("Memoria RAM y procesador"),
       QStringLiteral("Ejecute las pruebas de memoria RAM (Bat / RAM) y las tensiones de CPU en la pantalla "
                      "VCore.")},
      {QStringLiteral("gpu"), QStringLiteral("Procesador gráfico"),
       QStringLiteral("Revise las tensiones de GPU en la pantalla VCore (en modo diagnóstico aparecen con "
                      "\"*\").")}},
     QStringLiteral("Qué verificar en la placa"),
     {QStringLiteral("Empiece por lo más simple: flex, conectores y batería. Muchos panics desaparecen con un "
                     "flex bueno conocido."),
      QStringLiteral("Busque corrosión, componentes faltantes y señales de caída cerca del CI citado."),
      QStringLiteral("Mida las líneas de alimentación del subsistema con el programa y compárelas con una placa "
                     "buena grabada (G1 a G3)."),
      QStringLiteral("Después de cada cambio, borre los registros antiguos y observe si aparecen nuevos panics.")},
     QStringLiteral("Esta guía orienta la búsqueda; el diagnóstico final depende de las mediciones en la placa.")},
};

QString lista(const QStringList& itens) {
    QString h = QStringLiteral("<ul>");
    for (const QString& i : itens)
        h += QStringLiteral("<li>") + i.toHtmlEscaped() + QStringLiteral("</li>");
    return h + QStringLiteral("</ul>");
}

QString html() {
    QString h;
    QTextStream s(&h);
    s << "<html><body style=\"font-family: 'DejaVu Sans'; font-size: 10pt;\">";
    bool primeiro = true;
    for (const Guia& g : Guias) {
        // Each language from a new page, so that a technician can print only theirs.
        s << "<div lang=\"" << g.idioma << "\"" << (primeiro ? "" : " style=\"page-break-before: always;\"") << ">";
        primeiro = false;
        s << "<h1 style=\"color: #1a4f7a;\">" << g.titulo.toHtmlEscaped() << "</h1>"
          << "<p><i>" << g.subtitulo.toHtmlEscaped() << "</i></p>"
          << "<h2>" << g.tituloOQue.toHtmlEscaped() << "</h2><p>" << g.textoOQue.toHtmlEscaped() << "</p>"
          << "<h2>" << g.tituloOnde.toHtmlEscaped() << "</h2>" << lista(g.passosOnde) << "<h2>"
          << g.tituloLer.toHtmlEscaped() << "</h2>" << lista(g.passosLer) << "<h2>" << g.tituloCausas.toHtmlEscaped()
          << "</h2>"
          << "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
             "style=\"border-color: #8a9bb0; border-style: solid;\">"
          << "<thead><tr style=\"background-color: #dce6f0;\"><th width=\"24%\" align=\"left\">"
          << g.cabecalhoPalavras.toHtmlEscaped() << "</th><th width=\"26%\" align=\"left\">"
          << g.cabecalhoSubsistema.toHtmlEscaped() << "</th><th align=\"left\">" << g.cabecalhoVerificar.toHtmlEscaped()
          << "</th></tr></thead>";
        for (const Causa& c : g.causas) {
            s << "<tr><td style=\"font-family: 'DejaVu Sans Mono';\">" << c.palavras.toHtmlEscaped() << "</td><td>"
              << c.subsistema.toHtmlEscaped() << "</td><td>" << c.verificar.toHtmlEscaped() << "</td></tr>";
        }
        s << "</table>"
          << "<h2>" << g.tituloPlaca.toHtmlEscaped() << "</h2>" << lista(g.passosPlaca) << "<p><b>"
          << g.aviso.toHtmlEscaped() << "</b></p></div>";
    }
    s << "</body></html>";
    return h;
}

bool escreve(const QString& caminho) {
    // Written beside the target and renamed into place: a failed build never leaves half a document.
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter pdf(&arquivo);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setTitle(QStringLiteral("Voltrace Tarsel - Panic"));
        pdf.setCreator(QStringLiteral("Voltrace Tarsel"));
        QTextDocument doc;
        // No ligatures: "fi" stays two letters, so that searching or copying "verificar" in a viewer works.
        QFont fonte(QStringLiteral("DejaVu Sans"), 10);
        fonte.setStyleStrategy(QFont::PreferNoShaping);
        doc.setDefaultFont(fonte);
        doc.setHtml(html());
        doc.print(&pdf);
    }
    return arquivo.commit();
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: tarsel-guia-panic <program folder>" << Qt::endl;
        return 2;
    }
    const QString caminho = QDir(args.at(1)).filePath(Arquivo);
    if (!escreve(caminho)) {
        QTextStream(stderr) << "tarsel-guia-panic: cannot write " << caminho << Qt::endl;
        return 1;
    }
    return 0;
}
