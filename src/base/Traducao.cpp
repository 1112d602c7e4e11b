#include "base/Traducao.h"

#include "base/Globais.h"

#include <QHash>
#include <cstddef>

namespace tarsel {

namespace {

using Icone = Dialogos::Icone;

// Language numbers as stored in Tools.Idioma (1 Portuguese, 2 English, 3 Spanish); the tables hold the
// texts in that order. Any other number, 0 before the language is read, selects no text.
bool idiomaValido(quint8 idioma) {
    return idioma >= 1 && idioma <= 3;
}

// One key of the text table. A null Portuguese text means the key itself is the Portuguese text.
struct LinhaTexto {
    const char* chave;
    const char* pt;
    const char* en;
    const char* es;
};

constexpr const char* DaChave = nullptr;

// The texts are kept exactly as the program has always shown them, odd spellings and trailing blanks
// included: screens pad and join them, and users know them by sight.
// clang-format off
constexpr LinhaTexto TabelaTextos[] = {
    // Command console: captions that are the same word in every language, and the missing help document.
    {"Help", DaChave, "Help", "Help"},
    {"HELP", DaChave, "HELP", "HELP"},
    {"Help PDF", DaChave, "Help PDF", "Help PDF"},
    {"Add", DaChave, "Add", "Add"},
    {"Auto", DaChave, "Auto", "Auto"},
    {"DocumentoNaoEncontrado", "Documento não encontrado:", "Document not found:", "Documento no encontrado:"},
    {"Conectado", "Conectado", "Connected", "Conectado"},
    {"Conectar", "Conectar", "Connect", "Conectar"},
    {"Conectando", "Conectando", "Connecting", "Conectando"},
    {"Desconectar", "Desconectar", "Disconnect", "Desconectar"},
    {"Desconectado", "Desconectado", "Disconnected", "Desconectado"},
    {"Desconectando", "Desconectando", "Disconnecting", "Desconectando"},
    {"Comunicando", "Comunicando", "Reading", "Comunicado"},
    {"Porta Serial COM", "Porta Serial COM", "Serial COM port", "Puerto COM serial"},
    {"Porta COM", "Porta COM:", "Port COM:", "Puerto COM:"},
    {"Porta COM de comunicação com o dispositivo",
     "Porta COM de comunicação com o dispositivo",
     "COM port communicating with the device",
     "Puerto COM que se comunica con el dispositivo"},
    {"Box_Modelo", "Box Modelo:", "Model Box:", "Box Modelo:"},
    {"Selecione o modelo do dispositivo",
     "Selecione o modelo do dispositivo",
     "Select your device model",
     "Seleccione su modelo de dispositivo"},
    {"Modelo do dispositivo", "Modelo do dispositivo", "Device model", "Modelo de dispositivo"},
    {"Modelo", "Modelo", "Model", "Modelo"},
    {"Modelo:", "Modelo:", "Model:", "Modelo:"},
    {"Atualizar", "Atualizar", "Update", "Actualizar"},
    {"Idioma", "Idioma", "Language", "Idioma"},
    {"Idiomas disponíveis", "Idiomas disponíveis", "Available languages", "Idiomas Disponibles"},
    {"PORTUGUÊS", "PORTUGUÊS", "PORTUGUESE", "PORTUGUÉS"},
    {"INGLÊS", "INGLÊS", "ENGLISH", "INGLÉS"},
    {"ESPANHOL", "ESPANHOL", "SPANISH", "ESPAÑOL"},
    {"IdiomaBotao", "EN / ES", "BR / ES", "BR / EN"},
    {"Sobre", "Sobre", "About", "Acerca"},
    {"Comandos", "Comandos", "Commands", "Comandos"},
    {"Modo Comandos e Comparador",
     "Modo Comandos e Comparador",
     "Commands and Comparator Mode",
     "Comandos y Modo Comparador"},
    {"Testes de Comunicação RF",
     "Testes de Comunicação \\ Processador com CI RF",
     "Communication Tests \\ Processor with IC RF",
     "Pruebas de comunicación \\ Procesador con IC RF"},
    {"Testes de Display", "Testes de Display", "Display Tests", "Pruebas de Display"},
    {"Testes de Memória Nand", "Testes de Memória NAND", "NAND Memory Tests", "Pruebas de Memoria NAND"},
    {"Testes IC's", "Testes CIs e Outros", "Prueba ICs y Otros", "Pruebas IC's and others"},
    {"Testes de Leitura I2C", "Testes de Barramento I2C", "I2C Bus Tests", "Pruebas Bus I2C"},
    {"Testes Adicionais", "Testes Adicionais", "Additional Tests", "Exámenes Adicionales"},
    {"Observe a tela", "Observe a tela do dispositivo", "Watch the device screen", "Mira la pantalla del dispositivo"},
    {"TESTE 15s",
     "Aguarde... Esse teste leva aproximadamente 15 segundos...",
     "Wait ... This test takes approximately 15 seconds ...",
     "Espere ... Esta prueba tarda aproximadamente 15 segundos ..."},
    {"TESTE 40s",
     "Aguarde... Esse teste leva aproximadamente 40 segundos...",
     "Wait ... This test takes approximately 40 seconds ...",
     "Espere ... Esta prueba tarda aproximadamente 40 segundos ..."},
    {"Tensões", "Tensões", "Power Supplies", "Tensiones"},
    {"TensoesRF", "Tensões RF", "RF Voltage", "RF Voltage"},
    {"AtencaoIC",
     "ATENÇÃO! Esse teste verifica somente as malhas de alimentação do CI",
     "ATTENTION! This test only checks the IC power supplies lines",
     "ATENCIÓN! Esta prueba solo verifica las líneas de alimentación IC"},
    {"ConfiguracaoSalva", "Configuração Salva", "Saved configuration", "Configuración guardada"},
    {"CorFundo", "Cor de Fundo", "Background Color", "Color de fondo"},
    {"CorFonte", "Cor da Fonte", "Font Color", "Color de fuente"},
    {"SeletorCores",
     "Seletor de Cores de Comandos e Comparador",
     "Command Color Picker and Comparator",
     "Selector de color de Comando y Comparador"},
    {"MANUTENCAO_SERVER",
     "Estamos realizando manutenção no servidor, em breve o sistema estará disponível novamente.",
     "We are performing maintenance on the server, soon the system will be available again.",
     "Estamos realizando mantenimiento en el servidor, pronto el sistema estará disponible nuevamente."},
    {"DIGITE SEU NOME",
     "Digite o seu nome ou da sua empresa: (Opcional)",
     "Enter your name or company name: (Optional)",
     "Ingrese su nombre o el nombre de su empresa: (Opcional)"},
    {"Gerar Relatório PDF", "Gerar Relatório PDF     ", "Generate PDF Report      ", "Generar informe PDF       "},
    {"NAO_DISP_PARA_ESSE_MODELO",
     "Função não dispoível para esse modelo",
     "Function not available for this model",
     "Función no disponible para este modelo"},
    {"Falhas i2c",
     "Possíveis falhas relacionadas ao barramento:",
     "Possible bus-related failures:",
     "Posibles fallas relacionadas con el bus:"},
    {"CodecOK",
     "Não foi encontrado problemas no Codec!",
     "No Codec problems found!",
     "No se encontraron problemas de Códec!"},
    {"CodecNO",
     "Codec de Áudio Provavelmente com Problema!",
     "Audio Codec Probably Problem!",
     "Códec de audio Probablemente problema!"},
    {"SYNC_1", "Sincronizar Dados Salvos", "Synchronize Saved Data", "Sincronizar datos guardados"},
    {"SYNC_2",
     "Sincronizar com dados salvos anteriormente?",
     "Sync with previously saved data?",
     "Sincronizar con datos guardados previamente?"},
    {"Processo syscfg",
     "Esse processo leva aproximadamente 45 segundos, deseja continuar?",
     "This process takes approximately 45 seconds, do you want to continue?",
     "Este proceso tarda aproximadamente 45 segundos, quieres continuar?"},
    {"Buck6GPU",
     "* Atenção: IP 6 / IP 6 Plus sempre apresenta resultado como 'FAIL' no buck1, mesmo estando OK, se "
     "tratar de malha de GPU.",
     "* Attention: IP 6 / IP 6 Plus always displays the result as FAIL on buck1, even if it is OK, if it is "
     "a GPU line.",
     "* Atención: IP 6 / IP 6 Plus siempre da un resultado 'FAIL' en buck1, incluso si está bien, si es una "
     "línea GPU."},
    {"Testar Todos Níveis", "Testar", "Test All Levels", "Probar todos los niveles"},
    {"Resultado do teste:", "Resultado do Teste: ", "Test Result: ", "Resultado de la prueba: "},
    {"PDFs Nand", "Erros Restauração Online", "Online Restore Errors", "Errores de restauración en línea"},
    {"PDFs Nand_Info",
     "Consultar erros de restauração online",
     "Check restore errors online",
     "Comprobar errores de restauración en línea"},
    {"Aguarde...",
     "Processando outro comando, aguarde...",
     "Processing another command, wait...",
     "Procesando otro comando, espera..."},
    {"Processando comando", "Processando comando...", "Processing command...", "Procesando comando..."},
    {"VAR",
     "* Tensões de malhas VAR apresentam variações constantes de valores",
     "* VAR lines voltages have constant variations in values",
     "* Los voltajes de línea VAR tienen variaciones constantes en los valores."},
    {"VAR2",
     "* Atenção malhas GPU e CÂMERA não apresentam valores significativos ou apresentam 'Sem Medição' em Modo Purple",
     "* Attention GPU and CAMERA lines do not show significant values or 'No Reading' in Purple Mode",
     "* Atención, las malhas de la GPU y CÁMARAS no muestran valores significativos o 'Sin lectura' Modo Púrpura"},
    {"VAR3",
     "* GPU ( BUCK 1 / 8 ) e * CÂMERA NÃO APRESENTAM VALORES EM MODO PURPLE",
     "* GPU ( BUCK 1 / 8 ) and * CAMERA DO NOT DISPLAY VALUES IN PURPLE MODE",
     "* GPU ( BUCK 1 / 8) y * CÁMARA NO MOSTRAN VALORES EN MODO PÚRPURA"},
    {"VAR4",
     "* GPU ( BUCK 1 / 8 ), * CÂMERA e * CPU 8/X (BUCK 0 CORRENTE) NÃO APRESENTAM VALORES EM MODO PURPLE",
     "* GPU ( BUCK 1 / 8 ), * CAMERA AND * CPU 8/X (BUCK 0) DO NOT DISPLAY VALUES IN PURPLE MODE",
     "* GPU ( BUCK 1 / 8 ), * CÁMARA Y * CPU 8/X  (BUCK 0) NO MOSTRAN VALORES EN MODO PÚRPURA"},
    {"Comparador: (Dispositivos Gravados)",
     "Comparador: (Dispositivo Referência)",
     "Comparator: (Reference Device)",
     "Comparador: (Dispositivos Referencia)"},
    {"Deseja excluir os dados gravados?",
     "Deseja excluir os dados gravados?",
     "Do you want to delete the recorded data?",
     "Quieres borrar los datos registrados?"},
    {"Clique duplo para enviar texto ao campo comandos",
     "Clique Duplo para enviar texto ao campo comandos",
     "Double-Click to send text to the commands field",
     "Haga Doble Clic para enviar texto al campo de comandos"},
    {"Atualização disponível",
     "Nova atualização disponível. Deseja atualizar agora?",
     "New update available. Do you want to update now?",
     "Nueva actualización disponible. Quieres actualizar ahora?"},
    {"Dados UPDATE1",
     "Foi localizado dados salvos ou alterados por você na versão anterior.",
     "Data saved or changed by you in the previous version was found.",
     "Se encontraron datos guardados o modificados por usted en la versión anterior."},
    {"Dados UPDATE2",
     "Deseja importar esses dados para essa nova versão?",
     "Do you want to import this data into this new version?",
     "Quieres importar estos datos a esta nueva versión?"},
    {"ANALISE COMPLETA",
     "* Para uma análise mais completa é necessário aferir outros pinos e funções",
     "* For a more complete analysis it is necessary to check other pins and functions",
     "* Para un análisis más completo es necesario verificar otros pines y funciones"},
    {"REPITA PROCESSO",
     "Repita o processo pelo menos 1 vez para maior eficácia das leituras realizadas",
     "Repeat the process at least 1 time for more effective readings",
     "Repita el proceso al menos 1 vez para obtener lecturas más efectivas."},
    {"COMUNICAÇÃO OK", "Comunicação OK", "Communication OK", "Comunicación OK"},
    {"COMUNICAÇÃO OFF", "Sem Comunicação", "No communication", "Sin comunicacion"},
    {"VALORES DE REFERÊNCIA RF",
     "VALORES DE REFERÊNCIA PARA MEDIÇÕES A SEREM REALIZADAS NA BOARD",
     "REFERENCE VALUES FOR MEASUREMENTS TO BE CARRIED OUT AT THE BOARD",
     "VALORES DE REFERENCIA PARA MEDICIONES A REALIZAR EN PLACA"},
    {"Não disponível para 6/6P",
     "Comando não disponível para esse modelo de dispositivo 6/6P",
     "Command not available for this 6 / 6P device model",
     "Comando no disponible para este modelo de dispositivo 6 / 6P"},
    {"Casas Decimais", "Casas decimais", "Decimal Places", "Casas decimales"},
    {"Tamanho da NAND", "Tamanho da Nand", "Size of Nand", "Tamaño de Nand"},
    {"Sem Medição", "Sem Medição", "No Reading", "Sin lectura"},
    {"Baixa", "Baixa", "Low", "Baja"},
    {"AvisoTeste",
     "ATENÇÃO! Teste em fase de estudos, sempre realizar outros os testes adicionais! Teste de gravação.",
     "ATTENTION! Test under study, always perform other additional tests! Recording test.",
     "ATENCIÓN! Prueba en estudio, realizar siempre otras pruebas adicionales! Prueba de grabación."},
    {"Resultado do teste estão sendo exibidos na tela do dispositio",
     "Resultado do teste estão sendo exibidos na tela do dispositio",
     "Test results are being displayed on the device screen",
     "Los resultados de la prueba se muestran en la pantalla del dispositivo"},
    {"Restaurar", "Restaurar", "To Restore", "Restaurar"},
    {"Comparador", "Comparador", "Comparator", "Comparador"},
    {"Excluir Comando", "Excluir Comando", "Delete Command", "Eliminar comando"},
    {"Comunicação", "Comunicação", "Communication", "Comunicacion"},
    {"Teste", "Teste", "Test", "Prueba"},
    {"Atualização", "Atualização", "Update", "Actualizar"},
    {"Testar", "Testar", "Test", "Prueba"},
    {"MSG_UPDATE_OBRIGATORIA",
     "Atualização obrigatória para continuar utilizando o aplicativo",
     "Mandatory update to continue using the application",
     "Actualización obligatoria para seguir usando la aplicación"},
    {"MSG_UPDATE_OBRIGATORIA_TITULO", "Atualização Obrigatória", "Mandatory Update", "Actualización Obligatoria"},
    {"Porta 16",
     "1. Voltrace Tarsel funciona corretamente até a Porta Serial COM 16\r\n\r\n"
     "2. Se o endereço da sua Box estiver acima do endereço de porta 16 altere-a para uma inferior\r\n\r\n"
     "3. Se você precisa de ajuda temos um vídeo explicativo, um processo simples e rápido, clique em Sim "
     "para ver o vídeo",
     "1. Voltrace Tarsel works correctly up to Serial COM Port 16\r\n\r\n"
     "2. If the address of your Box is above port address 16, change it to a lower one\r\n\r\n"
     "3. If you need help we have an explanatory video, a simple and quick process, click Yes to watch the video",
     "1. Voltrace Tarsel funciona correctamente hasta el puerto COM serie 16\r\n\r\n"
     "2. Si la dirección de su caja está por encima de la dirección del puerto 16, cámbiela por una inferior\r\n\r\n"
     "3. Si necesita ayuda tenemos un video explicativo, un proceso simple y rápido, haga clic en Sí para "
     "ver el video"},
    // Online services, saved-data synchronisation, about and terms windows.
    {"Endereço recusado", DaChave, "Address refused", "Dirección rechazada"},
    {"MSG_ENDERECO_RECUSADO",
     "O servidor indicou um endereço que não é uma página da internet (http ou https). Por segurança ele não "
     "foi aberto:",
     "The server gave an address that is not a web page (http or https). For safety it was not opened:",
     "El servidor indicó una dirección que no es una página de internet (http o https). Por seguridad no se "
     "abrió:"},
    {"Termos de Uso", DaChave, "Terms of Use", "Términos de Uso"},
    {"Contato", DaChave, "Contact", "Contacto"},
    {"Central de Atendimento", DaChave, "Help Desk", "Centro de Atención"},
    {"Site do produto", DaChave, "Product website", "Sitio del producto"},
    // Keys whose Portuguese text is the key itself, and the texts of the about and terms windows.
    {"Cores", DaChave, "Colors", "Colores"},
    {"Resolução", DaChave, "Resolution", "Resolución"},
    {"Desativar", DaChave, "Disable", "Desactivar"},
    {"Ativar", DaChave, "Enable", "Activar"},
    {"Manutenção", DaChave, "Maintenance", "Mantenimiento"},
    {"Relatório", DaChave, "Report", "Informe"},
    {"Propriedades", DaChave, "Properties", "Propiedades"},
    {"Executando Comando", DaChave, "Running Command", "Ejecutando Comando"},
    {"SAUDE DA BATERIA", DaChave, "BATTERY HEALTH", "SALUD DE LA BATERÍA"},
    {"CICLOS DE CARGA", DaChave, "CHARGE CYCLES", "CICLOS DE CARGA"},
    {"PORCENTAGEM DE CARGA", DaChave, "CHARGE PERCENTAGE", "PORCENTAJE DE CARGA"},
    {"CAPACIDADE DESIGNADA", DaChave, "DESIGN CAPACITY", "CAPACIDAD DE DISEÑO"},
    {"CAPACIDADE ATUAL", DaChave, "CURRENT CAPACITY", "CAPACIDAD ACTUAL"},
    {"TEMPERATURA", DaChave, "TEMPERATURE", "TEMPERATURA"},
    {"CORRENTE", DaChave, "CURRENT", "CORRIENTE"},
    {"VOLTAGEM", DaChave, "VOLTAGE", "VOLTAJE"},
    {"Grupo", DaChave, "Group", "Grupo"},
    {"Fechar", DaChave, "Close", "Cerrar"},
    {"Histórico de Comandos", DaChave, "Command History", "Historial de Comandos"},
    {"Outros", DaChave, "Others", "Otros"},
    {"Nenhuma falha detectada em I2C", DaChave, "No I2C failure detected", "Ninguna falla detectada en I2C"},
    {"Resultado", DaChave, "Result", "Resultado"},
    {"Exemplos", DaChave, "Examples", "Ejemplos"},
    {"Clique em OK para finalizar", DaChave, "Click OK to finish", "Haga clic en OK para finalizar"},
    {"Teste de Funcionamento de Botões", DaChave, "Button Function Test", "Prueba de Funcionamiento de Botones"},
    {"ALTERADO", DaChave, "ALTERED", "ALTERADO"},
    {"NORMAL", DaChave, "NORMAL", "NORMAL"},
    {"Bateria", DaChave, "Battery", "Batería"},
    {"Auto Teste", DaChave, "Auto Test", "Autoprueba"},
    {"Teste Finalizados", DaChave, "Tests Finished", "Pruebas Finalizadas"},
    {"Exibir", DaChave, "Show", "Mostrar"},
    {"Ocultar", DaChave, "Hide", "Ocultar"},
    {"Auto Comparador OK", DaChave, "Auto Comparator OK", "Comparador Automático OK"},
    {"Auto Comparador TOOL",
     "Auto Comparador para alguns comandos",
     "Auto Comparator for some commands",
     "Comparador Automático para algunos comandos"},
    {"Sincronização", DaChave, "Synchronization", "Sincronización"},
    {"Gravação", DaChave, "Record", "Grabación"},
    {"Referência", DaChave, "Reference", "Referencia"},
    {"Leitura", DaChave, "Reading", "Lectura"},
    {"Decimais", DaChave, "Decimals", "Decimales"},
    {"Visualizar todos os comandos", DaChave, "View all commands", "Ver todos los comandos"},
    {"Nível", DaChave, "Level", "Nivel"},
    {"Desligar", DaChave, "Turn Off", "Apagar"},
    {"Cancelar", DaChave, "Cancel", "Cancelar"},
    {"Versão", DaChave, "Version", "Versión"},
    {"Visualizar Diagrama PDF", DaChave, "View PDF Diagram", "Ver Diagrama PDF"},
    {"Resultado do Auto Teste:", DaChave, "Auto Test Result:", "Resultado de la Autoprueba:"},
    {"Realizando Leitura...", DaChave, "Reading...", "Realizando Lectura..."},
    {"Outras Opções", DaChave, "Other Options", "Otras Opciones"},
    {"Suporte Remoto", DaChave, "Remote Support", "Soporte Remoto"},
    {"Suporte", DaChave, "Support", "Soporte"},
    {"Gravar", DaChave, "Record", "Grabar"},
    {"Dados", DaChave, "Data", "Datos"},
    {"Componente", DaChave, "Component", "Componente"},
    {"CodecAudio", DaChave, "Audio Codec", "Códec de Audio"},
    {"Desenvolvido por", DaChave, "Developed by", "Desarrollado por"},
    {"Executar Leitura", DaChave, "Run Reading", "Ejecutar Lectura"},
    {"Executar Teste", DaChave, "Run Test", "Ejecutar Prueba"},
    {"Classificação", DaChave, "Sort Order", "Ordenación"},
    {"Soft_Reg", "Software registrado", "Registered software", "Software registrado"},
    {"Informações adicionais", DaChave, "Additional information", "Información adicional"},
    {"Informações", DaChave, "Information", "Información"},
    {"Zir Avarar", "Equipe Voltrace Tarsel", "Voltrace Tarsel team", "Equipo Voltrace Tarsel"},
    {"Autorais", "Todos os direitos reservados", "All rights reserved", "Todos los derechos reservados"},
    {"Leitura do dispositivo conectado:",
     DaChave,
     "Reading from the connected device:",
     "Lectura del dispositivo conectado:"},
    {"Identificação Única NAND", DaChave, "NAND Unique ID", "Identificación Única NAND"},
    {"Informações da NAND", DaChave, "NAND Information", "Información de la NAND"},
    {"Seleção de IC's a serem exibidos", DaChave, "Selection of IC's to display", "Selección de IC's a mostrar"},
    {"Copiar Dados", DaChave, "Copy Data", "Copiar Datos"},
    {"Salvar", DaChave, "Save", "Guardar"},
    {"Malha", DaChave, "Line", "Línea"},
    {"Excluir", DaChave, "Delete", "Eliminar"},
    {"Reiniciar Dispositivo", DaChave, "Restart Device", "Reiniciar Dispositivo"},
    {"Desligar Dispositivo", DaChave, "Turn Off Device", "Apagar Dispositivo"},
    {"Informações sobre os dados:", DaChave, "Information about the data:", "Información sobre los datos:"},
    {"Limpar", DaChave, "Clear", "Limpiar"},
    {"Deseja substituir os dados gravados do lado comparador?",
     DaChave,
     "Do you want to replace the recorded data on the comparator side?",
     "¿Desea reemplazar los datos grabados del lado comparador?"},
    {"Deseja salvar as alterações?", DaChave, "Do you want to save the changes?", "¿Desea guardar los cambios?"},
    {"Deseja salvar?", DaChave, "Do you want to save?", "¿Desea guardar?"},
    {"Dados não localizados", DaChave, "Data not found", "Datos no encontrados"},
    {"Digite o comando a ser gravado:", DaChave, "Enter the command to be recorded:", "Escriba el comando a grabar:"},
    {"Novo Comando", DaChave, "New Command", "Nuevo Comando"},
    {"Deseja excluir o comando ", DaChave, "Do you want to delete the command ", "¿Desea eliminar el comando "},
    {"Executar", DaChave, "Run", "Ejecutar"},
    {"Adicionar Comando", DaChave, "Add Command", "Agregar Comando"},
    {"Digite ou seleciona na lista suspença o comando desejado",
     DaChave,
     "Type or select the desired command from the drop-down list",
     "Escriba o seleccione en la lista desplegable el comando deseado"},
    {"Excluir Dados Comparador", DaChave, "Delete Comparator Data", "Eliminar Datos del Comparador"},
    {"Limpar dados após comando", DaChave, "Clear data after command", "Limpiar datos después del comando"},
    {"Apagar Dados", DaChave, "Erase Data", "Borrar Datos"},
    {"Salvar Alterações", DaChave, "Save Changes", "Guardar Cambios"},
    {"Copiar Dados para o lado Comparador",
     DaChave,
     "Copy Data to the Comparator side",
     "Copiar Datos al lado Comparador"},
    {"COMANDO VÁLIDO SOMENTE PARA 7/X", DaChave, "COMMAND VALID ONLY FOR 7/X", "COMANDO VÁLIDO SOLO PARA 7/X"},
    {"MSG_LICENCA",
     "TERMOS DE USO\r\n\r\n"
     "1. O Voltrace Tarsel é uma ferramenta de apoio ao diagnóstico de placas lógicas em bancada. O uso é "
     "por sua conta e risco.\r\n\r\n"
     "2. As leituras exibidas são indicativas: dependem do estado do dispositivo, da Box e do modo de "
     "diagnóstico, e não substituem a medição com instrumentos nem a avaliação do técnico.\r\n\r\n"
     "3. Os valores de referência e as respostas gravadas são representativos de placas em bom estado e "
     "podem variar entre unidades do mesmo modelo.\r\n\r\n"
     "4. Comandos enviados ao dispositivo podem alterar o seu funcionamento: envie somente comandos que "
     "você conhece.\r\n\r\n"
     "5. O técnico é o único responsável pela placa, pelo dispositivo e por toda intervenção realizada. Os "
     "desenvolvedores não respondem por danos, perda de dados ou prejuízos decorrentes do uso do programa.\r\n\r\n"
     "Ao clicar em Aceito você declara que leu e concorda com estes termos.",
     "TERMS OF USE\r\n\r\n"
     "1. Voltrace Tarsel is a tool that assists the bench diagnosis of logic boards. You use it at your own "
     "risk.\r\n\r\n"
     "2. The readings shown are indicative: they depend on the condition of the device, the Box and the "
     "diagnostics mode, and they do not replace measurement with instruments or the technician's assessment.\r\n\r\n"
     "3. Reference values and recorded answers are representative of boards in good condition and may vary "
     "between units of the same model.\r\n\r\n"
     "4. Commands sent to the device can change how it works: only send commands you know.\r\n\r\n"
     "5. The technician is solely responsible for the board, the device and every repair carried out. The "
     "developers are not liable for damage, data loss or other harm arising from the use of the program.\r\n\r\n"
     "By clicking I accept you declare that you have read and agree to these terms.",
     "TÉRMINOS DE USO\r\n\r\n"
     "1. Voltrace Tarsel es una herramienta de apoyo al diagnóstico de placas lógicas en el banco de "
     "trabajo. Su uso es bajo su propio riesgo.\r\n\r\n"
     "2. Las lecturas mostradas son indicativas: dependen del estado del dispositivo, de la Box y del modo "
     "de diagnóstico, y no sustituyen la medición con instrumentos ni la evaluación del técnico.\r\n\r\n"
     "3. Los valores de referencia y las respuestas grabadas son representativos de placas en buen estado y "
     "pueden variar entre unidades del mismo modelo.\r\n\r\n"
     "4. Los comandos enviados al dispositivo pueden alterar su funcionamiento: envíe solo comandos que "
     "conozca.\r\n\r\n"
     "5. El técnico es el único responsable de la placa, del dispositivo y de toda intervención realizada. "
     "Los desarrolladores no responden por daños, pérdida de datos o perjuicios derivados del uso del "
     "programa.\r\n\r\n"
     "Al hacer clic en Acepto usted declara que ha leído y acepta estos términos."},
    {"TermosYes", "Aceito", "I accept", "Acepto"},
    {"TermosNo", "Não aceito", "I do not accept", "No acepto"},
    // Session log, port access.
    {"Registro", DaChave, "Log", "Registro"},
    {"Registro da sessão: cada comando e resposta, com data e hora", DaChave,
     "Session log: every command and answer, with date and time",
     "Registro de la sesión: cada comando y respuesta, con fecha y hora"},
    {"Abrir pasta de registros", DaChave, "Open the log folder", "Abrir la carpeta de registros"},
    {"Gravar registro da sessão", DaChave, "Keep a session log", "Grabar registro de la sesión"},
    // IC test and display tests.
    // Chestnut and Acorn screens.
    {"Salvar PDF", DaChave, "Save PDF", "Guardar PDF"},
    {"Número do modelo", DaChave, "Model number", "Número de modelo"},
    {"Data", DaChave, "Date", "Fecha"},
    {"Técnico", DaChave, "Technician", "Técnico"},
    {"Desvio", DaChave, "Deviation", "Desviación"},
    {"Aprovado", DaChave, "Pass", "Aprobado"},
    {"Reprovado", DaChave, "Fail", "Reprobado"},
    {"Sem desvio", DaChave, "No deviation", "Sin desviación"},
    // I2C bus scan.
    {"I2CSemResposta", "O aparelho não respondeu à leitura do barramento.",
     "The phone did not answer the bus scan.", "El teléfono no respondió a la lectura del bus."},
    // NAND tests and the panic guide.
    // RF tests and the RF reference values.
    // Reconnect after an unplug.
    {"Religando", "Reconectando...", "Reconnecting...", "Reconectando..."},
    {"Reconectar quando o aparelho voltar", "Reconectar quando o aparelho voltar", "Reconnect when the device comes back", "Reconectar cuando el dispositivo vuelva"},
    {"MODELO NAO ENCONTRADO", "Modelo não encontrado", "Model not found", "Modelo no encontrado"},
};
// clang-format on

// One language of a message box. When `aposPorta` is set, the text is `texto` + the port text + `aposPorta`:
// the port text goes in between unchanged, whatever characters it holds.
struct TextoIdioma {
    const char* titulo;
    const char* texto;
    const char* aposPorta;
};

struct LinhaMensagem {
    const char* chave;
    Icone icone;
    TextoIdioma idiomas[3]; // Portuguese, English, Spanish
};

// clang-format off
constexpr LinhaMensagem TabelaMensagens[] = {
    {"MSG_PORTA",
     Icone::Nenhum,
     {{" SIGA OS PASSOS:",
       "1. Coloque o iPhxne em modo purple\r\n\r\n"
       "2. Feche o software da Box mas mantenha o iPhxne conectado a Box\r\n\r\n"
       "3. Selecione a Porta COM\r\n\r\n"
       "4. Clique em Conectar\r\n\r\n"
       "5. Caso o dispositivo parou de responder reinicie-o e repita os passos",
       nullptr},
      {" FOLLOW THE STEPS:",
       "1. Put iPhxne in purple mode\r\n\r\n"
       "2. Close the Box software but keep the iPhxne connected to Box\r\n\r\n"
       "3. Select COM Port\r\n\r\n"
       "4. Click Connect\r\n\r\n"
       "5. If the device stopped responding, restart it and repeat the steps",
       nullptr},
      {" SIGUE LOS PASOS:",
       "1. Ponga iPhxne en modo morado\r\n\r\n"
       "2. Cierre el software Box pero mantenga el iPhxne conectado a Box\r\n\r\n"
       "3. Seleccione Puerto COM\r\n\r\n"
       "4. Haga clic en Conectar\r\n\r\n"
       "5. Si el dispositivo dejó de responder, reinícielo y repita los pasos",
       nullptr}}},
    {"MSG_PORTA_NAO_RESPONDE",
     Icone::Informacao,
     {{"  Erro ao conectar",
       "Dispositivo não localizado na PORTA COM selecionada ou não respondendo.\r\n\r\n"
       "Verifique se a BOX esta conectada com PC, escolha a PORTA COM a qual a Box esta conectada e tente novamente.",
       nullptr},
      {"Error connecting",
       "Device not found on selected COM PORT or not responding.\r\n\r\n"
       "Check if the BOX is connected with PC, choose the COM PORT the Box is connected to and try again.",
       nullptr},
      {"Error al conectar",
       "Dispositivo no encontrado en el PUERTO COM seleccionado o no responde.\r\n\r\n"
       "Compruebe si el BOX está conectado con la PC, elija el COM PORT al que está conectado el Box y "
       "vuelva a intentarlo.",
       nullptr}}},
    {"MSG_PORTA_EM_USO",
     Icone::Informacao,
     {{"Porta COM em uso",
       "Porta de comunicação COM ",
       " em uso por outro aplicativo, finalize o programa da Box (JxC / iRepaxr /...), tente novamente."},
      {"Port COM in use",
       "Port communication COM ",
       " in use by another application, end the Box application (JxC / iRepaxr /...), try again."},
      {"Puerto COM en uso",
       "Puerto de comunicación COM ",
       " en uso por otra aplicación, finalice la aplicación Box (JxC / iRepaxr /...) y vuelva a intentarlo."}}},
    {"MSG_PORTA_INVALIDA",
     Icone::Informacao,
     {{"Porta COM inválida",
       "Porta de comunicação COM ",
       " Inválida\r\n"
       "Altere a porta USB da Box e tente novamente."},
      {"Port COM invalid",
       "Port communication COM ",
       " invalid\r\n"
       "Change the Box's USB port and try again."},
      {"Puerto COM inválido",
       "Puerto de comunicación COM ",
       " inválido\r\n"
       " Cambie el puerto USB del Box y vuelva a intentarlo."}}},
    {"MSG_SELECIONE_MODELO",
     Icone::Informacao,
     {{"Modelo do Dispositivo",
       "Modelo não identificado.\r\n"
       "Selecione o Modelo do Dispositivo para uma análise e comparação correta!",
       nullptr},
      {"Device Model",
       "Model no found.\r\n"
       "Select the Device Model for correct analysis and comparison!",
       nullptr},
      {"Modelo de Dispositivo",
       "Modelo no identificado.\r\n"
       "Seleccione el modelo de dispositivo para realizar un análisis y una comparación correctos.",
       nullptr}}},
    {"MSG_ERRO_NAND",
     Icone::Informacao,
     {{"  Erro Leitura NAND",
       "Verificar Memória Nand\r\n"
       "Possível problema ou inconsistência de dados gravados!",
       nullptr},
      {"Error Reading NAND",
       "Check Nand Memory\r\n"
       "Possible problem or inconsistency of recorded data!",
       nullptr},
      {"Error al Leer NAND",
       "Compruebe la memoria de Nand \r\n"
       "Posible problema o incoherencia de los datos registrados!",
       nullptr}}},
    {"SEM_PORTA",
     Icone::Informacao,
     {{"Porta Serial COM",
       "Selecione uma Porta COM válida\r\n"
       "Verifique se a BOX está conectada ao Computador",
       nullptr},
      {"Serial COM Port",
       "Select a COM Port\r\n"
       "Check if the BOX is connected to the PC",
       nullptr},
      {"Puerto COM Serial",
       "Seleccione una puerta COM\r\n"
       "Compruebe si el BOX esté conectado a la PC",
       nullptr}}},
    {"SOMENTE_X",
     Icone::Informacao,
     {{"Voltrace Tarsel",
       "Função somente para IP X",
       nullptr},
      {"Voltrace Tarsel",
       "Function only for IP X",
       nullptr},
      {"Voltrace Tarsel",
       "Función solo para IP X",
       nullptr}}},
    {"PRIMEIRO_LEITURA",
     Icone::Informacao,
     {{"Voltrace Tarsel",
       "Primeiro execute uma leitura",
       nullptr},
      {"Voltrace Tarsel",
       "First perform a read",
       nullptr},
      {"Voltrace Tarsel",
       "Primero realiza una lectura",
       nullptr}}},
    {"MSG_SYSCFG",
     Icone::Informacao,
     {{"SYSCFG não permitido!",
       "Comandos com SYSCFG não são permitidos!",
       nullptr},
      {"SYSCFG Not Allowed!",
       "Commands with SYSCFG are not allowed!",
       nullptr},
      {"SYSCFG No Permitido!",
       "Los comandos con SYSCFG no están permitidos!",
       nullptr}}},
    {"MSG_NAO_PARA_IP6",
     Icone::Informacao,
     {{"IP6/IP6s PLUS",
       "Esse comando não funciona para IP6/6 Plus/6s/6s Plus",
       nullptr},
      {"IP6/IP6s PLUS",
       "This command does not work for IP6/6 Plus/6s/6s Plus",
       nullptr},
      {"IP6/IP6s PLUS",
       "Este comando no funciona para IP6/6 Plus/6s/6s Plus",
       nullptr}}},
    {"MSG_DADOS_SYNC",
     Icone::Informacao,
     {{"Sincronização de dados",
       "Dados sincronizados com sucesso!",
       nullptr},
      {"Data synchronization",
       "Data synchronized successfully!",
       nullptr},
      {"Sincronización de datos",
       "Datos sincronizados correctamente!",
       nullptr}}},
    {"MSG_INTERNET",
     Icone::Critico,
     {{"  Erro de conexão",
       "Computador não conectado a internet\r\n\r\n"
       "Possíveis causas:\r\n\r\n"
       "Internet não disponível no momento\r\n"
       "Firewall\r\n"
       "Servidor do software indisponível\r\n\r\n"
       "Aguade um momento e tente novamente\r\n"
       "ou entre em contato com suporte técnico",
       nullptr},
      {"  Connection error",
       "Computer not connected to internet\r\n\r\n"
       "Possible causes:\r\n\r\n"
       "Internet not available at the moment\r\n"
       "Firewall\r\n"
       "Software server unavailable\r\n\r\n"
       "Wait a moment and try again\r\n"
       "or contact technical support",
       nullptr},
      {"  Error de conexión",
       "Computadora no conectada a internet\r\n\r\n"
       "Posibles Causas:\r\n\r\n"
       "Internet no disponible en este momento\r\n"
       "Firewall\r\n"
       "Servidor de software no disponible\r\n\r\n"
       "Espera un momento y vuelve a intentarlo.\r\n"
       "o póngase en contacto con el soporte técnico",
       nullptr}}},
    {"MSG_INTERNET_GERAL",
     Icone::Critico,
     {{" Voltrace Tarsel - Erro de conexão",
       "Computador não conectado a internet.\r\n\r\n"
       "Conexão com internet é requerido para a utilização do\r\n"
       "Voltrace Tarsel.",
       nullptr},
      {" Voltrace Tarsel - Connection error",
       "Computer not connected to the internet.\r\n\r\n"
       "Internet connection is required for Voltrace Tarsel.",
       nullptr},
      {" Voltrace Tarsel - Error de conexión",
       "Computadora no conectada a Internet.\r\n\r\n"
       "Se requiere conexión a Internet para Voltrace Tarsel.",
       nullptr}}},
    // Saved-data synchronisation: what went wrong instead of the success box.
    {"MSG_SYNC_SEM_USUARIO",
     Icone::Exclamacao,
     {{"Sincronização de dados",
       "Não foram encontrados dados salvos para sincronizar: o arquivo 'User.tsl' não existe na pasta do "
       "programa.\r\n\r\nNenhum dado foi alterado.",
       nullptr},
      {"Data synchronization",
       "No saved data was found to synchronize: the file 'User.tsl' is not in the program folder.\r\n\r\n"
       "No data was changed.",
       nullptr},
      {"Sincronización de datos",
       "No se encontraron datos guardados para sincronizar: el archivo 'User.tsl' no está en la carpeta del "
       "programa.\r\n\r\nNingún dato fue modificado.",
       nullptr}}},
    {"MSG_SYNC_USUARIO_INVALIDO",
     Icone::Critico,
     {{"Sincronização de dados",
       "O arquivo 'User.tsl' está danificado ou não é um banco de dados do programa e não pôde ser lido."
       "\r\n\r\nNenhum dado foi importado.",
       nullptr},
      {"Data synchronization",
       "The file 'User.tsl' is damaged or is not a database of this program and could not be read.\r\n\r\n"
       "No data was imported.",
       nullptr},
      {"Sincronización de datos",
       "El archivo 'User.tsl' está dañado o no es una base de datos del programa y no se pudo leer.\r\n\r\n"
       "Ningún dato fue importado.",
       nullptr}}},
    {"MSG_SYNC_FALHA_GRAVACAO",
     Icone::Critico,
     {{"Sincronização de dados",
       "Não foi possível gravar os dados importados no arquivo 'Config.tsl'.\r\n\r\n"
       "Nenhum dado foi alterado; feche outros programas que usem o arquivo e tente novamente.",
       nullptr},
      {"Data synchronization",
       "The imported data could not be written to the file 'Config.tsl'.\r\n\r\n"
       "No data was changed; close other programs that use the file and try again.",
       nullptr},
      {"Sincronización de datos",
       "No fue posible grabar los datos importados en el archivo 'Config.tsl'.\r\n\r\n"
       "Ningún dato fue modificado; cierre otros programas que usen el archivo e inténtelo de nuevo.",
       nullptr}}},
    // Port access and the session log.
    {"MSG_PORTA_SEM_ACESSO",
     Icone::Exclamacao,
     {{"Porta COM sem permissão",
       "Sem permissão para abrir a porta de comunicação COM ",
       ".\r\n\r\nNo Linux as portas seriais pertencem ao grupo 'dialout'. Para liberar o acesso execute "
       "uma vez no terminal:\r\n\r\n    sudo usermod -aG dialout $USER\r\n\r\ne depois saia e entre de "
       "novo na sessão (ou reinicie o computador)."},
      {"Port COM access denied",
       "No permission to open the communication port COM ",
       ".\r\n\r\nOn Linux the serial ports belong to the 'dialout' group. To allow access run once in a "
       "terminal:\r\n\r\n    sudo usermod -aG dialout $USER\r\n\r\nthen log out and back in (or restart "
       "the computer)."},
      {"Puerto COM sin permiso",
       "Sin permiso para abrir el puerto de comunicación COM ",
       ".\r\n\r\nEn Linux los puertos serie pertenecen al grupo 'dialout'. Para permitir el acceso ejecute "
       "una vez en una terminal:\r\n\r\n    sudo usermod -aG dialout $USER\r\n\r\ny luego cierre la sesión "
       "y vuelva a entrar (o reinicie la computadora)."}}},
    {"MSG_REGISTRO_NAO_GRAVADO",
     Icone::Exclamacao,
     {{"Registro da sessão",
       "A escolha não pôde ser gravada no arquivo 'Config.tsl': ela vale até o programa ser fechado.",
       nullptr},
      {"Session log",
       "The choice could not be written to the file 'Config.tsl': it holds until the program is closed.",
       nullptr},
      {"Registro de la sesión",
       "La elección no pudo grabarse en el archivo 'Config.tsl': vale hasta que se cierre el programa.",
       nullptr}}},
    // IC test and display tests: message boxes.
    // Chestnut and Acorn screens: message boxes.
    {"MSG_RELATORIO_PDF_NAO_GRAVADO",
     Icone::Critico,
     {{"Relatório", "Não foi possível gravar o relatório em PDF:\r\n", nullptr},
      {"Report", "The PDF report could not be written:\r\n", nullptr},
      {"Informe", "No fue posible grabar el informe en PDF:\r\n", nullptr}}},
    // I2C bus scan: message boxes.
    // NAND tests and the panic guide: message boxes.
    // Faults of the database file: one box for every write that could not be done.
    {"MSG_BANCO_NAO_GRAVADO",
     Icone::Exclamacao,
     {{"Gravar dados",
       "Os dados não puderam ser gravados no arquivo 'Config.tsl': o disco está cheio, o arquivo é somente "
       "leitura ou outro programa o está usando.\r\n\r\nNada foi alterado: os dados gravados antes continuam "
       "como estavam. Resolva a causa e tente novamente.",
       nullptr},
      {"Save data",
       "The data could not be written to the file 'Config.tsl': the disk is full, the file is read-only or "
       "another program is using it.\r\n\r\nNothing was changed: the data saved before is as it was. "
       "Fix the cause and try again.",
       nullptr},
      {"Guardar datos",
       "Los datos no pudieron grabarse en el archivo 'Config.tsl': el disco está lleno, el archivo es de solo "
       "lectura u otro programa lo está usando.\r\n\r\nNada fue modificado: los datos guardados antes siguen "
       "como estaban. Resuelva la causa e inténtelo de nuevo.",
       nullptr}}},
    // RF tests and the RF reference values: message boxes.
    // Reconnect after an unplug: message boxes.
    {"MSG_RELIGA_NAO_GRAVADO",
     Icone::Exclamacao,
     {{"Reconectar",
       "A escolha não pôde ser gravada no arquivo 'Config.tsl': ela vale até o programa ser fechado.",
       nullptr},
      {"Reconnect",
       "The choice could not be written to the file 'Config.tsl': it holds until the program is closed.",
       nullptr},
      {"Reconectar",
       "La elección no pudo grabarse en el archivo 'Config.tsl': vale hasta que se cierre el programa.",
       nullptr}}},
    // Link faults: message boxes.
    {"MSG_RESPOSTA_SEM_FIM",
     Icone::Exclamacao,
     {{"Resposta sem fim",
       "O aparelho não terminou a resposta dentro do limite de leitura da BOX: a leitura foi interrompida "
       "e pode estar incompleta.\r\n\r\nReinicie o aparelho em modo purple e repita o teste.",
       nullptr},
      {"Endless answer",
       "The device did not end its answer within the BOX's reading limit: the reading was stopped and may "
       "be incomplete.\r\n\r\nRestart the device in purple mode and repeat the test.",
       nullptr},
      {"Respuesta sin fin",
       "El dispositivo no terminó su respuesta dentro del límite de lectura de la BOX: la lectura fue "
       "interrumpida y puede estar incompleta.\r\n\r\nReinicie el dispositivo en modo morado y repita la "
       "prueba.",
       nullptr}}},
};
// clang-format on

// Built once; when a key repeats, the first entry is the one found.
template <typename Linha, std::size_t N> QHash<QString, const Linha*> indexa(const Linha (&tabela)[N]) {
    QHash<QString, const Linha*> indice;
    indice.reserve(static_cast<qsizetype>(N));
    for (const Linha& linha : tabela) {
        const QString chave = QString::fromUtf8(linha.chave);
        if (!indice.contains(chave))
            indice.insert(chave, &linha);
    }
    return indice;
}

const LinhaTexto* buscaTexto(const QString& chave) {
    static const QHash<QString, const LinhaTexto*> indice = indexa(TabelaTextos);
    return indice.value(chave, nullptr);
}

const LinhaMensagem* buscaMensagem(const QString& chave) {
    static const QHash<QString, const LinhaMensagem*> indice = indexa(TabelaMensagens);
    return indice.value(chave, nullptr);
}

template <typename Linha, std::size_t N> QStringList chaves(const Linha (&tabela)[N]) {
    QStringList lista;
    lista.reserve(static_cast<qsizetype>(N));
    for (const Linha& linha : tabela)
        lista << QString::fromUtf8(linha.chave);
    return lista;
}

// The plain box of a key missing from a table: no icon, OK, the program's default title.
void avisaChaveAusente(const QString& texto) {
    dialogos().mensagem(Icone::Nenhum, QString(), texto, Dialogos::Botoes::Ok);
}

} // namespace

std::optional<QString> TextoTraducao(const QString& chave, quint8 idioma) {
    const LinhaTexto* linha = buscaTexto(chave);
    if (!linha)
        return std::nullopt;
    switch (idioma) {
    case 1:
        return QString::fromUtf8(linha->pt ? linha->pt : linha->chave);
    case 2:
        return QString::fromUtf8(linha->en);
    case 3:
        return QString::fromUtf8(linha->es);
    default:
        return QString();
    }
}

QString Traduz(const QString& chave) {
    // The lookup comes first so that a missing key shows even before the language is read.
    const std::optional<QString> texto = TextoTraducao(chave, globais().IdiomaAtual);
    if (!texto) {
        avisaChaveAusente(chave + QStringLiteral(" NÃO LOCALIZADO"));
        return NaoLocalizado;
    }
    return *texto;
}

std::optional<TextoMensagem> MontaMensagem(const QString& chave, quint8 idioma, const QString& porta) {
    const LinhaMensagem* linha = buscaMensagem(chave);
    if (!linha || !idiomaValido(idioma))
        return std::nullopt;
    const TextoIdioma& t = linha->idiomas[idioma - 1];
    QString texto = QString::fromUtf8(t.texto);
    if (t.aposPorta)
        texto += porta + QString::fromUtf8(t.aposPorta);
    return TextoMensagem{linha->icone, QString::fromUtf8(t.titulo), texto};
}

void Mensagem(QString& chave) {
    if (!buscaMensagem(chave)) {
        avisaChaveAusente(chave + QStringLiteral(" Não Localizado"));
        chave = NaoLocalizado;
        return;
    }
    // The port text is read now: it is whatever the port list shows at the moment of the message.
    const std::optional<TextoMensagem> m = MontaMensagem(chave, globais().IdiomaAtual, globais().portaAtual());
    if (m)
        dialogos().mensagem(m->icone, m->titulo, m->texto, Dialogos::Botoes::Ok);
}

void Mensagem(const QString& chave) {
    QString copia = chave;
    Mensagem(copia);
}

std::optional<TextoMensagem> JuntaMensagens(const QString& chave, const QString& segunda, quint8 idioma,
                                            const QString& porta) {
    std::optional<TextoMensagem> m = MontaMensagem(chave, idioma, porta);
    const std::optional<TextoMensagem> s = MontaMensagem(segunda, idioma, porta);
    if (!m || !s)
        return std::nullopt;
    const QString paragrafo = QStringLiteral("\r\n\r\n");
    m->texto += paragrafo + s->titulo.trimmed() + paragrafo + s->texto;
    return m;
}

void MensagemJunta(const QString& chave, const QString& segunda) {
    for (const QString& c : {chave, segunda}) {
        if (!buscaMensagem(c)) {
            Mensagem(c);
            return;
        }
    }
    const std::optional<TextoMensagem> m =
        JuntaMensagens(chave, segunda, globais().IdiomaAtual, globais().portaAtual());
    if (m)
        dialogos().mensagem(m->icone, m->titulo, m->texto, Dialogos::Botoes::Ok);
}

QStringList ChavesTraducao() {
    return chaves(TabelaTextos);
}

QStringList ChavesMensagem() {
    return chaves(TabelaMensagens);
}

} // namespace tarsel
