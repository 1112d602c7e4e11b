#include "PaginasConteudo.h"

#include "Html.h"

#include <QList>

namespace tarsel {

namespace {

struct Texto {
    QString titulo;
    QStringList paragrafos;
};

struct Pagina {
    QString caminho;
    Texto br, en, es;
};

const QList<Pagina>& paginas() {
    static const QList<Pagina> lista{
        {QStringLiteral("produto"),
         {QStringLiteral("Voltrace Tarsel"),
          {QStringLiteral(
               "Diagnóstico de placas lógicas pelo shell de diagnóstico do aparelho: tensões do PMU, chips de "
               "alimentação, barramentos I2C, NAND, rádios, bateria e display."),
           QStringLiteral("Requer a BOX Voltrace ligada a uma porta serial do computador.")}},
         {QStringLiteral("Voltrace Tarsel"),
          {QStringLiteral("Logic board diagnosis through the phone's diagnostics shell: PMU rails, power chips, I2C "
                          "buses, NAND, radios, battery and display."),
           QStringLiteral("Needs the Voltrace BOX on a serial port of the computer.")}},
         {QStringLiteral("Voltrace Tarsel"),
          {QStringLiteral("Diagnóstico de placas lógicas por el shell de diagnóstico del teléfono: tensiones del PMU, "
                          "chips de alimentación, buses I2C, NAND, radios, batería y display."),
           QStringLiteral("Requiere la BOX Voltrace conectada a un puerto serie del ordenador.")}}},
        {QStringLiteral("atualizacao"),
         {QStringLiteral("Atualização do Voltrace Tarsel"),
          {QStringLiteral("A versão 2.50 está disponível. Feche o programa, instale a nova versão e abra-o de novo: "
                          "suas gravações são importadas na primeira abertura.")}},
         {QStringLiteral("Voltrace Tarsel update"),
          {QStringLiteral("Version 2.50 is available. Close the program, install the new version and start it again: "
                          "your recordings are imported on the first start.")}},
         {QStringLiteral("Actualización de Voltrace Tarsel"),
          {QStringLiteral("La versión 2.50 está disponible. Cierre el programa, instale la nueva versión y ábralo de "
                          "nuevo: sus grabaciones se importan en el primer inicio.")}}},
        {QStringLiteral("manutencao"),
         {QStringLiteral("Servidor em manutenção"),
          {QStringLiteral("Estamos atualizando o servidor. O programa volta a funcionar assim que a manutenção "
                          "terminar.")}},
         {QStringLiteral("Server under maintenance"),
          {QStringLiteral("We are updating the server. The program works again as soon as the maintenance is over.")}},
         {QStringLiteral("Servidor en mantenimiento"),
          {QStringLiteral("Estamos actualizando el servidor. El programa vuelve a funcionar en cuanto termine el "
                          "mantenimiento.")}}},
        {QStringLiteral("video/porta-com"),
         {QStringLiteral("Como mudar o número da porta COM da BOX"),
          {QStringLiteral("O programa usa as portas COM1 a COM16. Se a BOX recebeu um número maior, abra o "
                          "Gerenciador de Dispositivos, Portas (COM e LPT), propriedades da BOX, Configurações da "
                          "porta, Avançado, e escolha um número livre até 16."),
           QStringLiteral("No Linux, ligue o adaptador a um nome da pasta ports/ do programa: "
                          "ln -s /dev/ttyUSB0 ports/COM4.")}},
         {QStringLiteral("How to change the BOX's COM port number"),
          {QStringLiteral("The program uses ports COM1 to COM16. If the BOX got a higher number, open the Device "
                          "Manager, Ports (COM & LPT), the BOX's properties, Port Settings, Advanced, and pick a "
                          "free number up to 16."),
           QStringLiteral("On Linux, link the adapter into the program's ports/ folder: ln -s /dev/ttyUSB0 "
                          "ports/COM4.")}},
         {QStringLiteral("Cómo cambiar el número de puerto COM de la BOX"),
          {QStringLiteral("El programa usa los puertos COM1 a COM16. Si la BOX recibió un número mayor, abra el "
                          "Administrador de dispositivos, Puertos (COM y LPT), propiedades de la BOX, Configuración "
                          "del puerto, Opciones avanzadas, y elija un número libre hasta 16."),
           QStringLiteral("En Linux, enlace el adaptador en la carpeta ports/ del programa: ln -s /dev/ttyUSB0 "
                          "ports/COM4.")}}},
        {QStringLiteral("contato/1"),
         {QStringLiteral("Contato comercial"),
          {QStringLiteral("Compras, licenças e revendas: comercial@voltracetarsel.com.br")}},
         {QStringLiteral("Sales contact"),
          {QStringLiteral("Purchases, licences and resellers: comercial@voltracetarsel.com.br")}},
         {QStringLiteral("Contacto comercial"),
          {QStringLiteral("Compras, licencias y reventas: comercial@voltracetarsel.com.br")}}},
        {QStringLiteral("contato/2"),
         {QStringLiteral("Suporte técnico"),
          {QStringLiteral(
              "Dúvidas sobre leituras e a BOX: suporte@voltracetarsel.com.br, de segunda a sexta, das 9h às 18h.")}},
         {QStringLiteral("Technical support"),
          {QStringLiteral("Questions on readings and the BOX: suporte@voltracetarsel.com.br, Monday to Friday, 9 am to "
                          "6 pm (Brasília time).")}},
         {QStringLiteral("Soporte técnico"),
          {QStringLiteral("Dudas sobre lecturas y la BOX: suporte@voltracetarsel.com.br, de lunes a viernes, de 9 a 18 "
                          "h (hora de Brasilia).")}}},
        {QStringLiteral("contato/3"),
         {QStringLiteral("Treinamentos"),
          {QStringLiteral("Cursos de diagnóstico de placas com o Voltrace Tarsel: treinamento@voltracetarsel.com.br")}},
         {QStringLiteral("Training"),
          {QStringLiteral("Board diagnosis courses with Voltrace Tarsel: treinamento@voltracetarsel.com.br")}},
         {QStringLiteral("Formación"),
          {QStringLiteral("Cursos de diagnóstico de placas con Voltrace Tarsel: treinamento@voltracetarsel.com.br")}}},
        {QStringLiteral("suporte/1"),
         {QStringLiteral("Acesso remoto 1"),
          {QStringLiteral("Com o técnico ao telefone, abra a ferramenta de acesso remoto indicada por ele e informe o "
                          "código que aparece na tela.")}},
         {QStringLiteral("Remote support 1"),
          {QStringLiteral("With the technician on the phone, open the remote access tool they name and read out the "
                          "code shown on the screen.")}},
         {QStringLiteral("Soporte remoto 1"),
          {QStringLiteral("Con el técnico al teléfono, abra la herramienta de acceso remoto que le indique y dicte el "
                          "código que aparece en pantalla.")}}},
        {QStringLiteral("suporte/2"),
         {QStringLiteral("Acesso remoto 2"),
          {QStringLiteral("Alternativa para redes que bloqueiam o acesso 1: peça ao técnico o endereço da sessão.")}},
         {QStringLiteral("Remote support 2"),
          {QStringLiteral("For networks that block option 1: ask the technician for the session address.")}},
         {QStringLiteral("Soporte remoto 2"),
          {QStringLiteral("Para redes que bloquean la opción 1: pida al técnico la dirección de la sesión.")}}},
        {QStringLiteral("suporte/3"),
         {QStringLiteral("Acesso remoto 3"),
          {QStringLiteral("Sessão agendada: o técnico envia o convite por e-mail com o horário combinado.")}},
         {QStringLiteral("Remote support 3"),
          {QStringLiteral("Scheduled session: the technician e-mails an invitation for the agreed time.")}},
         {QStringLiteral("Soporte remoto 3"),
          {QStringLiteral("Sesión programada: el técnico envía la invitación por correo con el horario acordado.")}}},
        {QStringLiteral("panic"),
         {QStringLiteral("Guia de falhas panic"),
          {QStringLiteral("Leia o arquivo panic-full do aparelho e procure a linha \"panicString\"."),
           QStringLiteral("Sensores do flex de carga ou do flex superior ausentes costumam reiniciar o aparelho a cada "
                          "três minutos: confira esses flex primeiro."),
           QStringLiteral("Falhas que citam o PMU ou a NAND pedem as leituras do PMU e o teste da NAND do programa.")}},
         {QStringLiteral("Panic fault guide"),
          {QStringLiteral("Read the phone's panic-full file and look for the \"panicString\" line."),
           QStringLiteral("Missing sensors on the charging or top flex often restart the phone every three minutes: "
                          "check those flex cables first."),
           QStringLiteral("Faults naming the PMU or the NAND call for the program's PMU readings and NAND test.")}},
         {QStringLiteral("Guía de fallas panic"),
          {QStringLiteral("Lea el archivo panic-full del teléfono y busque la línea \"panicString\"."),
           QStringLiteral("Sensores ausentes en el flex de carga o en el flex superior suelen reiniciar el teléfono "
                          "cada tres minutos: revise esos flex primero."),
           QStringLiteral("Las fallas que citan el PMU o la NAND piden las lecturas del PMU y la prueba de NAND del "
                          "programa.")}}},
        {QStringLiteral("nand/erros-restauracao"),
         {QStringLiteral("Erros de restauração ligados à NAND"),
          {QStringLiteral("Erros 9 e 4013: comunicação perdida durante a gravação; confira a NAND e as tensões do "
                          "processador."),
           QStringLiteral("Erro 4014: NAND com tamanho ou identificação diferente do esperado; compare com o teste de "
                          "NAND do programa."),
           QStringLiteral("Erro 40: NAND sem espaço ou com blocos defeituosos.")}},
         {QStringLiteral("Restore errors caused by the NAND"),
          {QStringLiteral(
               "Errors 9 and 4013: communication lost while writing; check the NAND and the processor rails."),
           QStringLiteral("Error 4014: NAND size or identification differs from the expected one; compare with the "
                          "program's NAND test."),
           QStringLiteral("Error 40: NAND out of space or with bad blocks.")}},
         {QStringLiteral("Errores de restauración causados por la NAND"),
          {QStringLiteral("Errores 9 y 4013: comunicación perdida durante la grabación; revise la NAND y las tensiones "
                          "del procesador."),
           QStringLiteral("Error 4014: NAND con tamaño o identificación distinta de la esperada; compare con la prueba "
                          "de NAND del programa."),
           QStringLiteral("Error 40: NAND sin espacio o con bloques defectuosos.")}}},
    };
    return lista;
}

QString secao(const QString& lingua, const Texto& texto, bool principal) {
    QString html = QStringLiteral("<section lang=\"%1\">\n").arg(lingua);
    html += principal ? QStringLiteral("<h1>") + Html::escapa(texto.titulo) + QStringLiteral("</h1>\n")
                      : QStringLiteral("<h2>") + Html::escapa(texto.titulo) + QStringLiteral("</h2>\n");
    for (const QString& p : texto.paragrafos)
        html += QStringLiteral("<p>") + Html::escapa(p) + QStringLiteral("</p>\n");
    return html + QStringLiteral("</section>\n");
}

} // namespace

QStringList PaginasConteudo::caminhos() {
    QStringList r;
    for (const Pagina& p : paginas())
        r << p.caminho;
    return r;
}

RespostaHttp PaginasConteudo::responde(const QString& caminho, const QString& base) {
    if (caminho.isEmpty()) {
        QString lista = QStringLiteral("<h1>Voltrace Tarsel</h1>\n<ul>\n");
        for (const Pagina& p : paginas())
            lista += QStringLiteral("<li><a href=\"%1%2\">%3</a></li>\n")
                         .arg(Html::escapa(base), p.caminho, Html::escapa(p.br.titulo));
        lista += QStringLiteral("</ul>\n");
        return RespostaHttp::html(Html::pagina(QStringLiteral("pt-BR"), QStringLiteral("Voltrace Tarsel"), lista));
    }
    for (const Pagina& p : paginas()) {
        if (p.caminho != caminho)
            continue;
        const QString corpo = secao(QStringLiteral("pt-BR"), p.br, true) + secao(QStringLiteral("en"), p.en, false) +
                              secao(QStringLiteral("es"), p.es, false);
        return RespostaHttp::html(Html::pagina(QStringLiteral("pt-BR"), p.br.titulo, corpo));
    }
    return RespostaHttp::html(Html::pagina(QStringLiteral("pt-BR"), QStringLiteral("404"),
                                           QStringLiteral("<h1>Página não encontrada / Page not found / Página no "
                                                          "encontrada</h1>\n")),
                              404);
}

} // namespace tarsel
