#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "base/Traducao.h"

#include <QSet>
#include <QTest>

using namespace tarsel;

Q_DECLARE_METATYPE(tarsel::Dialogos::Icone)

class TstTraducao : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void traduzDaOTextoDoIdiomaAtual_data();
    void traduzDaOTextoDoIdiomaAtual();
    void chaveAusenteDeTraduzMostraCaixaSimples_data();
    void chaveAusenteDeTraduzMostraCaixaSimples();
    void idiomaForaDeUmATresNaoDaTextoNemMensagem_data();
    void idiomaForaDeUmATresNaoDaTextoNemMensagem();
    void mensagemMostraACaixaDoIdiomaAtual_data();
    void mensagemMostraACaixaDoIdiomaAtual();
    void mensagemLeAPortaNoMomentoDaChamada();
    void chaveAusenteDeMensagemMostraCaixaETrocaAChave_data();
    void chaveAusenteDeMensagemMostraCaixaETrocaAChave();
    void chaveAusenteDeMensagemConstanteMostraACaixa();
    void montaETextoNaoMostramCaixa();
    void mensagemJuntaMostraUmaCaixa_data();
    void mensagemJuntaMostraUmaCaixa();
    void todaChaveTemTextoNosTresIdiomas();

private:
    quint8 m_idiomaAnterior = 0;
};

void TstTraducao::init() {
    m_idiomaAnterior = globais().IdiomaAtual;
    globais().textoPorta = [] { return QStringLiteral("7"); };
}

void TstTraducao::cleanup() {
    globais().IdiomaAtual = m_idiomaAnterior;
    globais().textoPorta = nullptr;
}

void TstTraducao::traduzDaOTextoDoIdiomaAtual_data() {
    QTest::addColumn<QString>("chave");
    QTest::addColumn<int>("idioma");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("a connect caption in Portuguese") << "Conectar" << 1 << "Conectar";
    QTest::newRow("a connect caption in English") << "Conectar" << 2 << "Connect";
    QTest::newRow("the RF voltage caption in Portuguese") << "TensoesRF" << 1 << "Tensões RF";
    QTest::newRow("the RF voltage caption in English") << "TensoesRF" << 2 << "RF Voltage";
    QTest::newRow("Spanish keeps the English RF voltage caption") << "TensoesRF" << 3 << "RF Voltage";
    QTest::newRow("communicating reads Reading in English") << "Comunicando" << 2 << "Reading";
    QTest::newRow("communicating reads Comunicado in Spanish") << "Comunicando" << 3 << "Comunicado";
    QTest::newRow("the language button names English and Spanish in Portuguese") << "IdiomaBotao" << 1 << "EN / ES";
    QTest::newRow("the language button names Portuguese and Spanish in English") << "IdiomaBotao" << 2 << "BR / ES";
    QTest::newRow("the language button names Portuguese and English in Spanish") << "IdiomaBotao" << 3 << "BR / EN";
    QTest::newRow("a code key gives its Portuguese caption with the colon") << "Box_Modelo" << 1 << "Box Modelo:";
    QTest::newRow("a key without the colon gives a caption with it") << "Porta COM" << 3 << "Puerto COM:";
    QTest::newRow("the report button keeps its five trailing blanks")
        << "Gerar Relatório PDF" << 1 << "Gerar Relatório PDF     ";
    QTest::newRow("the report button keeps seven trailing blanks in Spanish")
        << "Gerar Relatório PDF" << 3 << "Generar informe PDF       ";
    QTest::newRow("an odd Portuguese spelling is kept")
        << "NAO_DISP_PARA_ESSE_MODELO" << 1 << "Função não dispoível para esse modelo";
    QTest::newRow("a backslash in a caption is kept")
        << "Testes de Comunicação RF" << 1 << "Testes de Comunicação \\ Processador com CI RF";
    QTest::newRow("the IC tests caption keeps its mixed-language English text")
        << "Testes IC's" << 2 << "Prueba ICs y Otros";
    QTest::newRow("the result caption keeps its trailing blank") << "Resultado do teste:" << 2 << "Test Result: ";
    QTest::newRow("the port 16 advice has three paragraphs in English")
        << "Porta 16" << 2
        << "1. Voltrace Tarsel works correctly up to Serial COM Port 16\r\n\r\n"
           "2. If the address of your Box is above port address 16, change it to a lower one\r\n\r\n"
           "3. If you need help we have an explanatory video, a simple and quick process, click Yes to watch the video";
    QTest::newRow("a listed key is its own Portuguese text") << "SAUDE DA BATERIA" << 1 << "SAUDE DA BATERIA";
    QTest::newRow("a listed key has an English text") << "SAUDE DA BATERIA" << 2 << "BATTERY HEALTH";
    QTest::newRow("a listed key has a Spanish text") << "SAUDE DA BATERIA" << 3 << "SALUD DE LA BATERÍA";
    QTest::newRow("the delete question keeps the blank the command is appended to")
        << "Deseja excluir o comando " << 1 << "Deseja excluir o comando ";
    QTest::newRow("the auto comparator tool tip has its own Portuguese text")
        << "Auto Comparador TOOL" << 1 << "Auto Comparador para alguns comandos";
    QTest::newRow("the terms accept button in Spanish") << "TermosYes" << 3 << "Acepto";
}

void TstTraducao::traduzDaOTextoDoIdiomaAtual() {
    QFETCH(QString, chave);
    QFETCH(int, idioma);
    QFETCH(QString, esperado);

    DialogosRoteiro caixas;
    globais().IdiomaAtual = static_cast<quint8>(idioma);
    QCOMPARE(Traduz(chave), esperado);
    QVERIFY(caixas.caixas.isEmpty());
}

void TstTraducao::chaveAusenteDeTraduzMostraCaixaSimples_data() {
    QTest::addColumn<QString>("chave");
    QTest::addColumn<int>("idioma");

    QTest::newRow("an unknown key in Portuguese") << "Chave Inexistente" << 1;
    QTest::newRow("a known key in other letter case") << "conectar" << 2;
    QTest::newRow("a known key with a trailing blank") << "Conectar " << 3;
    QTest::newRow("a message key is not a text key") << "MSG_PORTA" << 1;
    QTest::newRow("an empty key") << "" << 1;
    QTest::newRow("an unknown key before the language is read") << "Chave Inexistente" << 0;
}

void TstTraducao::chaveAusenteDeTraduzMostraCaixaSimples() {
    QFETCH(QString, chave);
    QFETCH(int, idioma);

    DialogosRoteiro caixas;
    globais().IdiomaAtual = static_cast<quint8>(idioma);
    QCOMPARE(Traduz(chave), QStringLiteral("NÃO LOCALIZADO"));
    QCOMPARE(caixas.caixas.size(), 1);
    const DialogosRoteiro::Caixa& caixa = caixas.caixas.first();
    QCOMPARE(caixa.texto, chave + QStringLiteral(" NÃO LOCALIZADO"));
    QCOMPARE(caixa.icone, Dialogos::Icone::Nenhum);
    QCOMPARE(caixa.titulo, QString());
    QCOMPARE(caixa.botoes, Dialogos::Botoes::Ok);
}

void TstTraducao::idiomaForaDeUmATresNaoDaTextoNemMensagem_data() {
    QTest::addColumn<int>("idioma");

    QTest::newRow("language not read yet") << 0;
    QTest::newRow("a language number past Spanish") << 4;
    QTest::newRow("the largest stored number") << 255;
}

void TstTraducao::idiomaForaDeUmATresNaoDaTextoNemMensagem() {
    QFETCH(int, idioma);

    DialogosRoteiro caixas;
    globais().IdiomaAtual = static_cast<quint8>(idioma);
    QCOMPARE(Traduz(QStringLiteral("Conectar")), QString());
    QCOMPARE(Traduz(QStringLiteral("Porta 16")), QString());
    QString chave = QStringLiteral("MSG_PORTA_EM_USO");
    Mensagem(chave);
    Mensagem(QStringLiteral("MSG_INTERNET"));
    QVERIFY(caixas.caixas.isEmpty());
    QCOMPARE(chave, QStringLiteral("MSG_PORTA_EM_USO"));
}

void TstTraducao::mensagemMostraACaixaDoIdiomaAtual_data() {
    QTest::addColumn<QString>("chave");
    QTest::addColumn<int>("idioma");
    QTest::addColumn<QString>("porta");
    QTest::addColumn<Dialogos::Icone>("icone");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QString>("texto");

    QTest::newRow("port in use in Portuguese names port 7")
        << "MSG_PORTA_EM_USO" << 1 << "7" << Dialogos::Icone::Informacao << "Porta COM em uso"
        << "Porta de comunicação COM 7 em uso por outro aplicativo, finalize o programa da Box (JxC / iRepaxr /...), "
           "tente novamente.";
    QTest::newRow("port in use in English names the port")
        << "MSG_PORTA_EM_USO" << 2 << "12" << Dialogos::Icone::Informacao << "Port COM in use"
        << "Port communication COM 12 in use by another application, end the Box application (JxC / iRepaxr /...), "
           "try again.";
    QTest::newRow("a port text with format characters is inserted unchanged")
        << "MSG_PORTA_INVALIDA" << 3 << "%1 & <b>" << Dialogos::Icone::Informacao << "Puerto COM inválido"
        << "Puerto de comunicación COM %1 & <b> inválido\r\n Cambie el puerto USB del Box y vuelva a intentarlo.";
    QTest::newRow("an empty port text leaves the fixed parts joined")
        << "MSG_PORTA_INVALIDA" << 1 << "" << Dialogos::Icone::Informacao << "Porta COM inválida"
        << "Porta de comunicação COM  Inválida\r\nAltere a porta USB da Box e tente novamente.";
    QTest::newRow("the steps box has no icon and a leading blank in its title")
        << "MSG_PORTA" << 1 << "7" << Dialogos::Icone::Nenhum << " SIGA OS PASSOS:"
        << "1. Coloque o iPhxne em modo purple\r\n\r\n"
           "2. Feche o software da Box mas mantenha o iPhxne conectado a Box\r\n\r\n"
           "3. Selecione a Porta COM\r\n\r\n"
           "4. Clique em Conectar\r\n\r\n"
           "5. Caso o dispositivo parou de responder reinicie-o e repita os passos";
    QTest::newRow("the internet box is critical in English")
        << "MSG_INTERNET" << 2 << "7" << Dialogos::Icone::Critico << "  Connection error"
        << "Computer not connected to internet\r\n\r\nPossible causes:\r\n\r\nInternet not available at the moment\r\n"
           "Firewall\r\nSoftware server unavailable\r\n\r\nWait a moment and try again\r\nor contact technical support";
    QTest::newRow("the general internet box is critical in Spanish")
        << "MSG_INTERNET_GERAL" << 3 << "7" << Dialogos::Icone::Critico << " Voltrace Tarsel - Error de conexión"
        << "Computadora no conectada a Internet.\r\n\r\nSe requiere conexión a Internet para Voltrace Tarsel.";
    QTest::newRow("the NAND error keeps its trailing blank in Spanish")
        << "MSG_ERRO_NAND" << 3 << "7" << Dialogos::Icone::Informacao << "Error al Leer NAND"
        << "Compruebe la memoria de Nand \r\nPosible problema o incoherencia de los datos registrados!";
    QTest::newRow("the IP X only box is titled with the program name in Spanish")
        << "SOMENTE_X" << 3 << "7" << Dialogos::Icone::Informacao << "Voltrace Tarsel"
        << "Función solo para IP X";
}

void TstTraducao::mensagemMostraACaixaDoIdiomaAtual() {
    QFETCH(QString, chave);
    QFETCH(int, idioma);
    QFETCH(QString, porta);
    QFETCH(Dialogos::Icone, icone);
    QFETCH(QString, titulo);
    QFETCH(QString, texto);

    DialogosRoteiro caixas;
    globais().IdiomaAtual = static_cast<quint8>(idioma);
    globais().textoPorta = [porta] { return porta; };
    QString chaveDoChamador = chave;
    Mensagem(chaveDoChamador);

    QCOMPARE(chaveDoChamador, chave);
    QCOMPARE(caixas.caixas.size(), 1);
    const DialogosRoteiro::Caixa& caixa = caixas.caixas.first();
    QCOMPARE(caixa.icone, icone);
    QCOMPARE(caixa.titulo, titulo);
    QCOMPARE(caixa.texto, texto);
    QCOMPARE(caixa.botoes, Dialogos::Botoes::Ok);
}

void TstTraducao::mensagemLeAPortaNoMomentoDaChamada() {
    DialogosRoteiro caixas;
    globais().IdiomaAtual = 2;
    QString porta = QStringLiteral("3");
    globais().textoPorta = [&porta] { return porta; };

    Mensagem(QStringLiteral("MSG_PORTA_INVALIDA"));
    porta = QStringLiteral("15");
    Mensagem(QStringLiteral("MSG_PORTA_INVALIDA"));

    QCOMPARE(caixas.textos(),
             QStringList({
                 QStringLiteral("Port communication COM 3 invalid\r\nChange the Box's USB port and try again."),
                 QStringLiteral("Port communication COM 15 invalid\r\nChange the Box's USB port and try again."),
             }));
}

void TstTraducao::chaveAusenteDeMensagemMostraCaixaETrocaAChave_data() {
    QTest::addColumn<QString>("chave");
    QTest::addColumn<int>("idioma");

    QTest::newRow("an unknown message key") << "MSG_INEXISTENTE" << 1;
    QTest::newRow("a message key in other letter case") << "msg_porta" << 2;
    QTest::newRow("a text key is not a message key") << "Conectar" << 3;
    QTest::newRow("an unknown message key before the language is read") << "MSG_INEXISTENTE" << 0;
}

void TstTraducao::chaveAusenteDeMensagemMostraCaixaETrocaAChave() {
    QFETCH(QString, chave);
    QFETCH(int, idioma);

    DialogosRoteiro caixas;
    globais().IdiomaAtual = static_cast<quint8>(idioma);
    QString chaveDoChamador = chave;
    Mensagem(chaveDoChamador);

    QCOMPARE(chaveDoChamador, QStringLiteral("NÃO LOCALIZADO"));
    QCOMPARE(caixas.caixas.size(), 1);
    const DialogosRoteiro::Caixa& caixa = caixas.caixas.first();
    QCOMPARE(caixa.texto, chave + QStringLiteral(" Não Localizado"));
    QCOMPARE(caixa.icone, Dialogos::Icone::Nenhum);
    QCOMPARE(caixa.titulo, QString());
    QCOMPARE(caixa.botoes, Dialogos::Botoes::Ok);
}

void TstTraducao::chaveAusenteDeMensagemConstanteMostraACaixa() {
    DialogosRoteiro caixas;
    globais().IdiomaAtual = 1;
    const QString chave = QStringLiteral("MSG_INEXISTENTE");
    Mensagem(chave);
    QCOMPARE(caixas.textos(), QStringList{QStringLiteral("MSG_INEXISTENTE Não Localizado")});
    QCOMPARE(caixas.caixas.first().icone, Dialogos::Icone::Nenhum);
}

void TstTraducao::montaETextoNaoMostramCaixa() {
    DialogosRoteiro caixas;
    QVERIFY(!TextoTraducao(QStringLiteral("Chave Inexistente"), 1));
    QCOMPARE(TextoTraducao(QStringLiteral("Conectar"), 0), std::optional<QString>(QString()));
    QVERIFY(!MontaMensagem(QStringLiteral("MSG_INEXISTENTE"), 1, QStringLiteral("7")));
    QVERIFY(!MontaMensagem(QStringLiteral("MSG_PORTA_EM_USO"), 0, QStringLiteral("7")));
    const std::optional<TextoMensagem> m = MontaMensagem(QStringLiteral("MSG_SYSCFG"), 2, QString());
    QVERIFY(m);
    QCOMPARE(m->icone, Dialogos::Icone::Informacao);
    QCOMPARE(m->titulo, QStringLiteral("SYSCFG Not Allowed!"));
    QCOMPARE(m->texto, QStringLiteral("Commands with SYSCFG are not allowed!"));
    QVERIFY(caixas.caixas.isEmpty());
}

void TstTraducao::mensagemJuntaMostraUmaCaixa_data() {
    QTest::addColumn<QString>("chave");
    QTest::addColumn<QString>("segunda");
    QTest::addColumn<int>("idioma");
    QTest::addColumn<Dialogos::Icone>("icone");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QString>("inicio"); // the text starts with this
    QTest::addColumn<QString>("meio");   // then, somewhere, this
    QTest::addColumn<QString>("fim");    // and ends with this

    QTest::newRow("no answer and the steps in Portuguese: the first box's icon and title")
        << "MSG_PORTA_NAO_RESPONDE"
        << "MSG_PORTA" << 1 << Dialogos::Icone::Informacao << "  Erro ao conectar"
        << "Dispositivo não localizado na PORTA COM selecionada ou não respondendo.\r\n\r\n"
        << "tente novamente.\r\n\r\nSIGA OS PASSOS:\r\n\r\n1. Coloque o iPhxne em modo purple"
        << "reinicie-o e repita os passos";
    QTest::newRow("the same in English")
        << "MSG_PORTA_NAO_RESPONDE"
        << "MSG_PORTA" << 2 << Dialogos::Icone::Informacao << "Error connecting"
        << "Device not found on selected COM PORT or not responding."
        << "and try again.\r\n\r\nFOLLOW THE STEPS:\r\n\r\n1. Put iPhxne in purple mode"
        << "restart it and repeat the steps";
    QTest::newRow("a second key that names the port takes the port text")
        << "MSG_SELECIONE_MODELO"
        << "MSG_PORTA_INVALIDA" << 3 << Dialogos::Icone::Informacao << "Modelo de Dispositivo"
        << "Modelo no identificado."
        << "correctos.\r\n\r\nPuerto COM inválido\r\n\r\nPuerto de comunicación COM 9 inválido"
        << "vuelva a intentarlo.";
    QTest::newRow("an unknown second key shows only the missing-key box")
        << "MSG_PORTA_NAO_RESPONDE"
        << "MSG_INEXISTENTE" << 1 << Dialogos::Icone::Nenhum << ""
        << "MSG_INEXISTENTE Não Localizado"
        << ""
        << "";
}

void TstTraducao::mensagemJuntaMostraUmaCaixa() {
    QFETCH(QString, chave);
    QFETCH(QString, segunda);
    QFETCH(int, idioma);
    QFETCH(Dialogos::Icone, icone);
    QFETCH(QString, titulo);
    QFETCH(QString, inicio);
    QFETCH(QString, meio);
    QFETCH(QString, fim);

    DialogosRoteiro caixas;
    globais().IdiomaAtual = static_cast<quint8>(idioma);
    globais().textoPorta = [] { return QStringLiteral("9"); };
    MensagemJunta(chave, segunda);

    QCOMPARE(caixas.caixas.size(), 1);
    const DialogosRoteiro::Caixa& caixa = caixas.caixas.first();
    QCOMPARE(caixa.icone, icone);
    QCOMPARE(caixa.titulo, titulo);
    QVERIFY2(caixa.texto.startsWith(inicio), qPrintable(caixa.texto));
    QVERIFY2(caixa.texto.contains(meio), qPrintable(caixa.texto));
    QVERIFY2(caixa.texto.endsWith(fim), qPrintable(caixa.texto));
    QCOMPARE(caixa.botoes, Dialogos::Botoes::Ok);
    QCOMPARE(JuntaMensagens(chave, segunda, quint8(idioma), QStringLiteral("9")).has_value(), !titulo.isEmpty());
}

void TstTraducao::todaChaveTemTextoNosTresIdiomas() {
    // A repeated key would hide its second entry; an empty text would leave a blank caption or box.
    const QStringList textos = ChavesTraducao();
    QCOMPARE(QSet<QString>(textos.cbegin(), textos.cend()).size(), textos.size());
    QCOMPARE(textos.size(), 212);
    for (const QString& chave : textos) {
        for (quint8 idioma = 1; idioma <= 3; ++idioma) {
            const std::optional<QString> t = TextoTraducao(chave, idioma);
            QVERIFY2(t && !t->trimmed().isEmpty(), qPrintable(chave + QStringLiteral(" / ") + QString::number(idioma)));
        }
    }

    const QStringList mensagens = ChavesMensagem();
    // clang-format off
    QCOMPARE(mensagens,
             QStringList({"MSG_PORTA", "MSG_PORTA_NAO_RESPONDE", "MSG_PORTA_EM_USO", "MSG_PORTA_INVALIDA",
                          "MSG_SELECIONE_MODELO", "MSG_ERRO_NAND", "SEM_PORTA", "SOMENTE_X", "PRIMEIRO_LEITURA",
                          "MSG_SYSCFG", "MSG_NAO_PARA_IP6", "MSG_DADOS_SYNC", "MSG_INTERNET", "MSG_INTERNET_GERAL",
                          "MSG_SYNC_SEM_USUARIO", "MSG_SYNC_USUARIO_INVALIDO", "MSG_SYNC_FALHA_GRAVACAO",
                          "MSG_PORTA_SEM_ACESSO", "MSG_REGISTRO_NAO_GRAVADO", "MSG_RELATORIO_PDF_NAO_GRAVADO",
                          "MSG_BANCO_NAO_GRAVADO", "MSG_RELIGA_NAO_GRAVADO", "MSG_RESPOSTA_SEM_FIM"}));
    // clang-format on
    for (const QString& chave : mensagens) {
        for (quint8 idioma = 1; idioma <= 3; ++idioma) {
            const std::optional<TextoMensagem> m = MontaMensagem(chave, idioma, QStringLiteral("7"));
            const QString onde = chave + QStringLiteral(" / ") + QString::number(idioma);
            QVERIFY2(m, qPrintable(onde));
            QVERIFY2(!m->titulo.trimmed().isEmpty() && !m->texto.trimmed().isEmpty(), qPrintable(onde));
        }
    }
}

QTEST_GUILESS_MAIN(TstTraducao)
#include "tst_traducao.moc"
