-- Saved answers of a healthy IP 6s Plus board, recorded from the simulator by tarsel-referencia (see README); do not edit by hand.

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'Help',
  char(13,10,13,13,10) ||
  'Available commands:' || char(13,10) ||
  '  help                               this list' || char(13,10) ||
  '  syscfg print <key>                 print a system configuration key (RMd#: model number, SrNm: serial' || char(13,10) ||
  '                                     number, MLB#: logic board serial, WMac / BMac: radio addresses)' || char(13,10) ||
  '  pmuadc --read all                  read every PMU ADC channel' || char(13,10) ||
  '  pmuadc --sel <sensor> --read all   read the channels of one sensor (tigris, chestnut)' || char(13,10) ||
  '  buck                               print the output of every buck converter' || char(13,10) ||
  '  buckcheck <percent>                check every buck against its target within the percentage' || char(13,10) ||
  '  battery --properties               battery identity and state' || char(13,10) ||
  '  device --key GasGauge -p           gas gauge figures' || char(13,10) ||
  '  tristar -p                         USB interface chip properties' || char(13,10) ||
  '  tristar --read <reg>               read USB interface chip registers (dx1, dx2, acc1, acc2, idx, vdx)' || char(13,10) ||
  '  nanduid                            NAND unique id' || char(13,10) ||
  '  nandsize                           NAND capacity in KiB' || char(13,10) ||
  '  nand --getinfo                     NAND vendor, part and geometry (not on IP 6 to 6s Plus)' || char(13,10) ||
  '  syscfg list                        list every system configuration key (long read)' || char(13,10) ||
  '  testmemory [--1MB]                 test the memory' || char(13,10) ||
  '  baseband | bluetooth | wifi | gps | stockholm --on | --off' || char(13,10) ||
  '                                     power a radio on or off' || char(13,10) ||
  '  baseband -p | bluetooth -p | wifi --properties | gps --getinfo | stockholm -p' || char(13,10) ||
  '                                     radio properties' || char(13,10) ||
  '  touch --on | --off                 power the touch controller on or off' || char(13,10) ||
  '  reset                              restart the device' || char(13,10) ||
  '  shutdown                           power the device off' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Lista de comandos do modo diagnóstico. Se a lista vier curta ou vazia, o aparelho não entrou no modo diagnóstico por completo.',
  'List of the diagnostics shell commands. A short or empty list means the phone has not fully entered diagnostics mode.',
  'Lista de comandos del modo diagnóstico. Si la lista sale corta o vacía, el teléfono no entró por completo en modo diagnóstico.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'syscfg print SrNm',
  char(13,10,13,13,10) ||
  'xxxxx®' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Número de série da placa (mascarado). Resposta vazia ou "Not Found" indica configuração (syscfg) perdida ou NAND com defeito.',
  'Board serial number (masked). An empty answer or "Not Found" points to a lost configuration (syscfg) or a faulty NAND.',
  'Número de serie de la placa (enmascarado). Una respuesta vacía o "Not Found" indica configuración (syscfg) perdida o NAND defectuosa.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'syscfg print MLB#',
  char(13,10,13,13,10) ||
  'xxxxx®' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Número de série da placa lógica (mascarado). Deve existir em toda placa original.',
  'Logic board serial number (masked). Every original board has one.',
  'Número de serie de la placa lógica (enmascarado). Toda placa original lo tiene.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'syscfg print WMac',
  char(13,10,13,13,10) ||
  'xxxxx®' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Endereço MAC do Wi-Fi (mascarado). Um endereço zerado ou ausente indica configuração perdida.',
  'Wi-Fi MAC address (masked). An all-zero or missing address means the configuration has been lost.',
  'Dirección MAC del Wi-Fi (enmascarada). Una dirección en ceros o ausente indica configuración perdida.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'syscfg print BMac',
  char(13,10,13,13,10) ||
  'xxxxx®' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Endereço MAC do Bluetooth (mascarado). Um endereço zerado ou ausente indica configuração perdida.',
  'Bluetooth MAC address (masked). An all-zero or missing address means the configuration has been lost.',
  'Dirección MAC del Bluetooth (enmascarada). Una dirección en ceros o ausente indica configuración perdida.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'pmuadc --read all',
  char(13,10,13,13,10) ||
  'BIST buck0: 1050.35 mV' || char(13,10) ||
  'BIST buck1: timeout mV' || char(13,10) ||
  'BIST buck2: 850.16 mV' || char(13,10) ||
  'BIST buck3: 1801.47 mV' || char(13,10) ||
  'BIST buck4: 1101.28 mV' || char(13,10) ||
  'BIST buck5: 1000.77 mV' || char(13,10) ||
  'BIST buck6: timeout mV' || char(13,10) ||
  'BIST buck7: 900.20 mV' || char(13,10) ||
  'BIST buck8: timeout mV' || char(13,10) ||
  'BIST buck9: 1200.39 mV' || char(13,10) ||
  'BIST buck3_sw1: 1800.43 mV' || char(13,10) ||
  'BIST buck3_sw2: 1798.82 mV' || char(13,10) ||
  'BIST buck3_sw3: 1800.94 mV' || char(13,10) ||
  'BIST buck4_sw1: 1100.42 mV' || char(13,10) ||
  'BIST buck4_sw2: 1099.81 mV' || char(13,10) ||
  'ibuck0: 486.66 mA' || char(13,10) ||
  'ibuck1: timeout mA' || char(13,10) ||
  'ibuck2: 457.92 mA' || char(13,10) ||
  'ibuck3: 142.21 mA' || char(13,10) ||
  'ibuck4: 112.29 mA' || char(13,10) ||
  'ibuck5: 49.24 mA' || char(13,10) ||
  'ibuck6: timeout mA' || char(13,10) ||
  'ibuck7: 74.35 mA' || char(13,10) ||
  'ibuck8: timeout mA' || char(13,10) ||
  'ibuck9: 21.71 mA' || char(13,10) ||
  'BIST ldo0: 3000.58 mV' || char(13,10) ||
  'BIST ldo1: 1801.08 mV' || char(13,10) ||
  'BIST ldo2: 3301.13 mV' || char(13,10) ||
  'BIST ldo3: 3000.91 mV' || char(13,10) ||
  'BIST ldo4: 1200.48 mV' || char(13,10) ||
  'BIST ldo5: 3000.15 mV' || char(13,10) ||
  'BIST ldo6: 1.85 mV' || char(13,10) ||
  'BIST ldo7: 1800.10 mV' || char(13,10) ||
  'BIST ldo8: 2500.21 mV' || char(13,10) ||
  'BIST ldo9: 1799.85 mV' || char(13,10) ||
  'BIST ldo10: 3000.83 mV' || char(13,10) ||
  'BIST ldo11: 1800.84 mV' || char(13,10) ||
  'BIST ldo12: timeout mV' || char(13,10) ||
  'BIST ldo13: timeout mV' || char(13,10) ||
  'BIST ldo14: 3300.13 mV' || char(13,10) ||
  'BIST ldo15: 1800.35 mV' || char(13,10) ||
  'BIST ildo0: 1.26 mA' || char(13,10) ||
  'BIST ildo1: 3.82 mA' || char(13,10) ||
  'BIST ildo2: 20.86 mA' || char(13,10) ||
  'BIST ildo3: 2.59 mA' || char(13,10) ||
  'BIST ildo4: 5.34 mA' || char(13,10) ||
  'BIST ildo5: 6.74 mA' || char(13,10) ||
  'BIST ildo6: 0.04 mA' || char(13,10) ||
  'BIST ildo7: 3.19 mA' || char(13,10) ||
  'BIST ildo8: 5.72 mA' || char(13,10) ||
  'BIST ildo9: 1.09 mA' || char(13,10) ||
  'BIST ildo10: 0.63 mA' || char(13,10) ||
  'BIST ildo11: 1.60 mA' || char(13,10) ||
  'BIST ildo12: timeout mA' || char(13,10) ||
  'BIST ildo13: timeout mA' || char(13,10) ||
  'BIST ildo14: 2.47 mA' || char(13,10) ||
  'BIST ildo15: 1.97 mA' || char(13,10) ||
  'BIST ibuf_1v2: 0.52 mA' || char(13,10) ||
  'BIST vbuf_1v2: 1200.30 mV' || char(13,10) ||
  'BIST vrtc: 1498.85 mV' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Leituras do PMU de uma placa boa. Os valores variam alguns milivolts de placa para placa; compare linha a linha. "timeout" nas malhas de GPU e câmera é normal no modo diagnóstico.',
  'PMU readings of a good board. Values vary by a few millivolts from board to board; compare line by line. "timeout" on the GPU and camera rails is normal in diagnostics mode.',
  'Lecturas del PMU de una placa buena. Los valores varían algunos milivoltios entre placas; compare línea por línea. "timeout" en las mallas de GPU y cámara es normal en modo diagnóstico.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'pmuadc --sel tigris --read all',
  char(13,10,13,13,10) ||
  'tigris vbus : 5011.94 mV' || char(13,10) ||
  'tigris ibus : 312.79 mA' || char(13,10) ||
  'tigris vbat : 3912.76 mV' || char(13,10) ||
  'tigris ibat : 105.46 mA' || char(13,10) ||
  'tigris vdd : 3985.31 mV' || char(13,10) ||
  'tigris die_temp : 33.88 C' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Leituras do carregador (Tigris) de uma placa boa alimentada pela USB: VBUS perto de 5000 mV e bateria perto de 3900 mV.',
  'Charger (Tigris) readings of a good board powered through USB: VBUS near 5000 mV and battery near 3900 mV.',
  'Lecturas del cargador (Tigris) de una placa buena alimentada por USB: VBUS cerca de 5000 mV y batería cerca de 3900 mV.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'pmuadc --sel chestnut --read all',
  char(13,10,13,13,10) ||
  'chestnut vldo1 : 5700.94 mV' || char(13,10) ||
  'chestnut vldo2 : 5699.13 mV' || char(13,10) ||
  'chestnut vldo3 : 5102.73 mV' || char(13,10) ||
  'chestnut ildo1 : 8.45 mA' || char(13,10) ||
  'chestnut ildo2 : 7.92 mA' || char(13,10) ||
  'chestnut ildo3 : 2.36 mA' || char(13,10) ||
  'chestnut vneg : -5703.22 mV' || char(13,10) ||
  'chestnut ineg : 9.11 mA' || char(13,10) ||
  'chestnut vin : 3851.07 mV' || char(13,10) ||
  'chestnut ground : 1.42 mV' || char(13,10) ||
  'chestnut vboost : 6003.30 mV' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Leituras do Chestnut (alimentação do display e do touch) de uma placa boa com o display conectado.',
  'Chestnut (display and touch power) readings of a good board with the display connected.',
  'Lecturas del Chestnut (alimentación de pantalla y touch) de una placa buena con la pantalla conectada.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'buck',
  char(13,10,13,13,10) ||
  'buck0: 1050.350 mV' || char(13,10) ||
  'buck1: 0.000 mV' || char(13,10) ||
  'buck2: 850.160 mV' || char(13,10) ||
  'buck3: 1801.470 mV' || char(13,10) ||
  'buck4: 1101.280 mV' || char(13,10) ||
  'buck5: 1000.770 mV' || char(13,10) ||
  'buck6: 0.000 mV' || char(13,10) ||
  'buck7: 900.200 mV' || char(13,10) ||
  'buck8: 0.000 mV' || char(13,10) ||
  'buck9: 1200.390 mV' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Saída de cada buck de uma placa boa. Bucks de GPU e câmera leem 0.000 mV no modo diagnóstico; os demais ficam perto do valor nominal.',
  'Output of every buck of a good board. GPU and camera bucks read 0.000 mV in diagnostics mode; the others stay near their nominal value.',
  'Salida de cada buck de una placa buena. Los bucks de GPU y cámara leen 0.000 mV en modo diagnóstico; los demás quedan cerca del valor nominal.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'buckcheck 5',
  char(13,10,13,13,10) ||
  'buck0: target 1050 mV, measured 1050.350 mV : PASS' || char(13,10) ||
  'buck1: target 0 mV, measured 0.000 mV : PASS' || char(13,10) ||
  'buck2: target 850 mV, measured 850.160 mV : PASS' || char(13,10) ||
  'buck3: target 1800 mV, measured 1801.470 mV : PASS' || char(13,10) ||
  'buck4: target 1100 mV, measured 1101.280 mV : PASS' || char(13,10) ||
  'buck5: target 1000 mV, measured 1000.770 mV : PASS' || char(13,10) ||
  'buck6: target 0 mV, measured 0.000 mV : PASS' || char(13,10) ||
  'buck7: target 900 mV, measured 900.200 mV : PASS' || char(13,10) ||
  'buck8: target 0 mV, measured 0.000 mV : PASS' || char(13,10) ||
  'buck9: target 1200 mV, measured 1200.390 mV : PASS' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Todos os bucks devem dar PASS dentro de 5 %. Um FAIL aponta o buck (e a malha) a medir.',
  'Every buck should give PASS within 5 %. A FAIL points at the buck (and its rail) to measure.',
  'Todos los bucks deben dar PASS dentro del 5 %. Un FAIL señala el buck (y su malla) a medir.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'buckcheck 10',
  char(13,10,13,13,10) ||
  'buck0: target 1050 mV, measured 1050.350 mV : PASS' || char(13,10) ||
  'buck1: target 0 mV, measured 0.000 mV : PASS' || char(13,10) ||
  'buck2: target 850 mV, measured 850.160 mV : PASS' || char(13,10) ||
  'buck3: target 1800 mV, measured 1801.470 mV : PASS' || char(13,10) ||
  'buck4: target 1100 mV, measured 1101.280 mV : PASS' || char(13,10) ||
  'buck5: target 1000 mV, measured 1000.770 mV : PASS' || char(13,10) ||
  'buck6: target 0 mV, measured 0.000 mV : PASS' || char(13,10) ||
  'buck7: target 900 mV, measured 900.200 mV : PASS' || char(13,10) ||
  'buck8: target 0 mV, measured 0.000 mV : PASS' || char(13,10) ||
  'buck9: target 1200 mV, measured 1200.390 mV : PASS' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Todos os bucks devem dar PASS dentro de 10 %. Um FAIL aponta o buck (e a malha) a medir.',
  'Every buck should give PASS within 10 %. A FAIL points at the buck (and its rail) to measure.',
  'Todos los bucks deben dar PASS dentro del 10 %. Un FAIL señala el buck (y su malla) a medir.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'buckcheck 15',
  char(13,10,13,13,10) ||
  'buck0: target 1050 mV, measured 1050.350 mV : PASS' || char(13,10) ||
  'buck1: target 0 mV, measured 0.000 mV : PASS' || char(13,10) ||
  'buck2: target 850 mV, measured 850.160 mV : PASS' || char(13,10) ||
  'buck3: target 1800 mV, measured 1801.470 mV : PASS' || char(13,10) ||
  'buck4: target 1100 mV, measured 1101.280 mV : PASS' || char(13,10) ||
  'buck5: target 1000 mV, measured 1000.770 mV : PASS' || char(13,10) ||
  'buck6: target 0 mV, measured 0.000 mV : PASS' || char(13,10) ||
  'buck7: target 900 mV, measured 900.200 mV : PASS' || char(13,10) ||
  'buck8: target 0 mV, measured 0.000 mV : PASS' || char(13,10) ||
  'buck9: target 1200 mV, measured 1200.390 mV : PASS' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Todos os bucks devem dar PASS dentro de 15 %. Um FAIL aqui indica desvio grande: malha em curto ou componente aberto.',
  'Every buck should give PASS within 15 %. A FAIL here means a large deviation: a shorted rail or an open part.',
  'Todos los bucks deben dar PASS dentro del 15 %. Un FAIL aquí indica una desviación grande: malla en corto o componente abierto.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'buckcheck 20',
  char(13,10,13,13,10) ||
  'buck0: target 1050 mV, measured 1050.350 mV : PASS' || char(13,10) ||
  'buck1: target 0 mV, measured 0.000 mV : PASS' || char(13,10) ||
  'buck2: target 850 mV, measured 850.160 mV : PASS' || char(13,10) ||
  'buck3: target 1800 mV, measured 1801.470 mV : PASS' || char(13,10) ||
  'buck4: target 1100 mV, measured 1101.280 mV : PASS' || char(13,10) ||
  'buck5: target 1000 mV, measured 1000.770 mV : PASS' || char(13,10) ||
  'buck6: target 0 mV, measured 0.000 mV : PASS' || char(13,10) ||
  'buck7: target 900 mV, measured 900.200 mV : PASS' || char(13,10) ||
  'buck8: target 0 mV, measured 0.000 mV : PASS' || char(13,10) ||
  'buck9: target 1200 mV, measured 1200.390 mV : PASS' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Todos os bucks devem dar PASS dentro de 20 %. Um FAIL aqui indica desvio grande: malha em curto ou componente aberto.',
  'Every buck should give PASS within 20 %. A FAIL here means a large deviation: a shorted rail or an open part.',
  'Todos los bucks deben dar PASS dentro del 20 %. Un FAIL aquí indica una desviación grande: malla en corto o componente abierto.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'buckcheck 25',
  char(13,10,13,13,10) ||
  'buck0: target 1050 mV, measured 1050.350 mV : PASS' || char(13,10) ||
  'buck1: target 0 mV, measured 0.000 mV : PASS' || char(13,10) ||
  'buck2: target 850 mV, measured 850.160 mV : PASS' || char(13,10) ||
  'buck3: target 1800 mV, measured 1801.470 mV : PASS' || char(13,10) ||
  'buck4: target 1100 mV, measured 1101.280 mV : PASS' || char(13,10) ||
  'buck5: target 1000 mV, measured 1000.770 mV : PASS' || char(13,10) ||
  'buck6: target 0 mV, measured 0.000 mV : PASS' || char(13,10) ||
  'buck7: target 900 mV, measured 900.200 mV : PASS' || char(13,10) ||
  'buck8: target 0 mV, measured 0.000 mV : PASS' || char(13,10) ||
  'buck9: target 1200 mV, measured 1200.390 mV : PASS' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Todos os bucks devem dar PASS dentro de 25 %. Um FAIL aqui quase sempre é malha em curto ou sem tensão.',
  'Every buck should give PASS within 25 %. A FAIL here is nearly always a shorted or dead rail.',
  'Todos los bucks deben dar PASS dentro del 25 %. Un FAIL aquí casi siempre es una malla en corto o sin tensión.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'buckcheck 30',
  char(13,10,13,13,10) ||
  'buck0: target 1050 mV, measured 1050.350 mV : PASS' || char(13,10) ||
  'buck1: target 0 mV, measured 0.000 mV : PASS' || char(13,10) ||
  'buck2: target 850 mV, measured 850.160 mV : PASS' || char(13,10) ||
  'buck3: target 1800 mV, measured 1801.470 mV : PASS' || char(13,10) ||
  'buck4: target 1100 mV, measured 1101.280 mV : PASS' || char(13,10) ||
  'buck5: target 1000 mV, measured 1000.770 mV : PASS' || char(13,10) ||
  'buck6: target 0 mV, measured 0.000 mV : PASS' || char(13,10) ||
  'buck7: target 900 mV, measured 900.200 mV : PASS' || char(13,10) ||
  'buck8: target 0 mV, measured 0.000 mV : PASS' || char(13,10) ||
  'buck9: target 1200 mV, measured 1200.390 mV : PASS' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Todos os bucks devem dar PASS dentro de 30 %. Um FAIL aqui quase sempre é malha em curto ou sem tensão.',
  'Every buck should give PASS within 30 %. A FAIL here is nearly always a shorted or dead rail.',
  'Todos los bucks deben dar PASS dentro del 30 %. Un FAIL aquí casi siempre es una malla en corto o sin tensión.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'tristar -p',
  char(13,10,13,13,10) ||
  'tristar properties:' || char(13,10) ||
  '  device id: 0x25' || char(13,10) ||
  '  revision: 0x0A' || char(13,10) ||
  '  firmware: 0x0301' || char(13,10) ||
  '  state: idle, accessory none' || char(13,10) ||
  '  usb: dp1 connected, dn1 connected' || char(13,10) ||
  '  acc1: 0 mV' || char(13,10) ||
  '  acc2: 0 mV' || char(13,10) ||
  '  status: OK' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Propriedades do CI USB (Tristar, ou Hydra nos modelos 8 e X). Uma resposta completa termina em "status: OK"; resposta curta indica falha de comunicação com o CI.',
  'Properties of the USB chip (Tristar, or Hydra on the 8 and X models). A complete answer ends with "status: OK"; a short answer means the chip does not answer.',
  'Propiedades del CI USB (Tristar, o Hydra en los modelos 8 y X). Una respuesta completa termina en "status: OK"; una respuesta corta indica falla de comunicación con el CI.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'tristar --read dx1 --read dx2  --read acc1  --read acc2  --read idx --read vdx',
  char(13,10,13,13,10) ||
  'tristar registers:' || char(13,10) ||
  '  dx1  [0x10]: 0x10  data switch 1: usb' || char(13,10) ||
  '  dx2  [0x11]: 0x00  data switch 2: open' || char(13,10) ||
  '  acc1 [0x12]: 0x00  accessory 1: off' || char(13,10) ||
  '  acc2 [0x13]: 0x00  accessory 2: off' || char(13,10) ||
  '  idx  [0x14]: 0x01  id detect: no accessory' || char(13,10) ||
  '  vdx  [0x15]: 0x0C  vbus detect: present' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Registros do CI USB sem cabo conectado. Valores diferentes com o aparelho sem nada na porta sugerem linhas de dados em curto.',
  'USB chip registers with no cable attached. Different values with nothing in the port suggest shorted data lines.',
  'Registros del CI USB sin cable conectado. Valores distintos con nada en el puerto sugieren líneas de datos en corto.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'nanduid',
  char(13,10,13,13,10) ||
  'NAND UID: xxxxx®' || char(13,10) ||
  'NAND UID check Passed' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Identificação única da NAND (mascarada). Sem resposta indica NAND sem comunicação.',
  'NAND unique id (masked). No answer means the NAND does not communicate.',
  'Identificación única de la NAND (enmascarada). Sin respuesta indica NAND sin comunicación.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'testmemory',
  char(13,10,13,13,10) ||
  'memory test: 8 patterns' || char(13,10) ||
  'pattern 0x00000000: Passed' || char(13,10) ||
  'pattern 0xFFFFFFFF: Passed' || char(13,10) ||
  'pattern 0x55555555: Passed' || char(13,10) ||
  'pattern 0xAAAAAAAA: Passed' || char(13,10) ||
  'pattern walking ones: Passed' || char(13,10) ||
  'pattern walking zeros: Passed' || char(13,10) ||
  'pattern address: Passed' || char(13,10) ||
  'pattern random: Passed' || char(13,10) ||
  'memory test: Pass' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Todos os padrões devem dar "Passed" e a linha final "Pass". Qualquer falha aponta a memória RAM ou sua alimentação.',
  'Every pattern should read "Passed" and the last line "Pass". Any failure points at the RAM or its supply.',
  'Todos los patrones deben dar "Passed" y la línea final "Pass". Cualquier falla señala la memoria RAM o su alimentación.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'testmemory --1MB',
  char(13,10,13,13,10) ||
  'memory test: 1 MB block, 4 passes' || char(13,10) ||
  'pass 1: Passed' || char(13,10) ||
  'pass 2: Passed' || char(13,10) ||
  'pass 3: Passed' || char(13,10) ||
  'pass 4: Passed' || char(13,10) ||
  'memory test: Pass' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'As quatro passagens devem dar "Passed" e a linha final "Pass". O teste leva cerca de 15 segundos.',
  'All four passes should read "Passed" and the last line "Pass". The test takes about 15 seconds.',
  'Las cuatro pasadas deben dar "Passed" y la línea final "Pass". La prueba tarda unos 15 segundos.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'battery --properties',
  char(13,10,13,13,10) ||
  'battery properties:' || char(13,10) ||
  '  serial: "xxxxx®"' || char(13,10) ||
  '  chemistry: "LiPo"' || char(13,10) ||
  '  firmware: "0x0603"' || char(13,10) ||
  '  status: "discharging"' || char(13,10) ||
  '  cell-count: "1"' || char(13,10) ||
  '  authenticated: "yes"' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Identificação da bateria: série (mascarada), química e firmware. "authenticated: no" indica bateria não original ou comunicação falha com o gauge.',
  'Battery identity: serial (masked), chemistry and firmware. "authenticated: no" means a non-original battery or a failing link to the gauge.',
  'Identificación de la batería: serie (enmascarada), química y firmware. "authenticated: no" indica batería no original o falla de comunicación con el gauge.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'device  --key GasGauge -p',
  char(13,10,13,13,10) ||
  'gas gauge:' || char(13,10) ||
  '  cycle-count: "217"' || char(13,10) ||
  '  charge-percentage: "83"' || char(13,10) ||
  '  design-capacity: "2750mAh"' || char(13,10) ||
  '  nominal-capacity: "2557mAh"' || char(13,10) ||
  '  voltage: "3990mV"' || char(13,10) ||
  '  current: "-190mA"' || char(13,10) ||
  '  temperature: "32C"' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Valores do gauge de uma bateria boa: capacidade atual acima de 85 % da designada, temperatura ambiente; corrente negativa enquanto descarrega.',
  'Gauge figures of a good battery: present capacity above 85 % of design, room temperature; a negative current while it discharges.',
  'Valores del gauge de una batería buena: capacidad actual por encima del 85 % de la de diseño, temperatura ambiente; corriente negativa mientras se descarga.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'baseband --on',
  char(13,10,13,13,10) ||
  'baseband: powering on' || char(13,10) ||
  'BB_HSIC_RDY' || char(13,10) ||
  'baseband: on success' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'O baseband liga e responde "BB_HSIC_RDY" e "on success". Sem essas linhas, verifique a alimentação e o barramento do baseband.',
  'The baseband powers on and answers "BB_HSIC_RDY" and "on success". Without those lines, check the baseband supply and bus.',
  'El baseband enciende y responde "BB_HSIC_RDY" y "on success". Sin esas líneas, revise la alimentación y el bus del baseband.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'baseband -p',
  char(13,10,13,13,10) ||
  'baseband properties:' || char(13,10) ||
  '  state: on' || char(13,10) ||
  '  imei: xxxxx®' || char(13,10) ||
  '  firmware: 7.80.04' || char(13,10) ||
  '  temperature: 31 C' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Propriedades do baseband ligado: estado "on", IMEI (mascarado) e firmware.',
  'Properties of the powered baseband: state "on", IMEI (masked) and firmware.',
  'Propiedades del baseband encendido: estado "on", IMEI (enmascarado) y firmware.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'bluetooth --on',
  char(13,10,13,13,10) ||
  'bluetooth: on success' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'O Bluetooth liga e responde "on success".',
  'Bluetooth powers on and answers "on success".',
  'El Bluetooth enciende y responde "on success".');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'bluetooth -p',
  char(13,10,13,13,10) ||
  'bluetooth properties:' || char(13,10) ||
  '  state: on' || char(13,10) ||
  '  address: xxxxx®' || char(13,10) ||
  '  firmware: 1.2.0' || char(13,10) ||
  '  power class: 1' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Propriedades do Bluetooth ligado: estado "on", endereço (mascarado) e firmware.',
  'Properties of the powered Bluetooth: state "on", address (masked) and firmware.',
  'Propiedades del Bluetooth encendido: estado "on", dirección (enmascarada) y firmware.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'wifi --on',
  char(13,10,13,13,10) ||
  'wifi: on success' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'O Wi-Fi liga e responde "on success".',
  'Wi-Fi powers on and answers "on success".',
  'El Wi-Fi enciende y responde "on success".');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'wifi --properties',
  char(13,10,13,13,10) ||
  'wifi properties:' || char(13,10) ||
  '  state: on' || char(13,10) ||
  '  mac: xxxxx®' || char(13,10) ||
  '  firmware: 9.41.2' || char(13,10) ||
  '  country: XZ' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Propriedades do Wi-Fi ligado: estado "on", MAC (mascarado) e firmware.',
  'Properties of the powered Wi-Fi: state "on", MAC (masked) and firmware.',
  'Propiedades del Wi-Fi encendido: estado "on", MAC (enmascarada) y firmware.');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'stockholm --on',
  char(13,10,13,13,10) ||
  'stockholm: powered on' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'O NFC (Stockholm) liga e responde "powered on".',
  'NFC (Stockholm) powers on and answers "powered on".',
  'El NFC (Stockholm) enciende y responde "powered on".');

insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (
  'IP 6s Plus', 'stockholm -p',
  char(13,10,13,13,10) ||
  'stockholm properties:' || char(13,10) ||
  '  state: on' || char(13,10) ||
  '  chip id: xxxxx®' || char(13,10) ||
  '  firmware: 11.1.14' || char(13,10) ||
  '[2FDD0D87:00004562] :-) ',
  'Propriedades do NFC ligado: estado "on", identificação do chip (mascarada) e firmware.',
  'Properties of the powered NFC: state "on", chip id (masked) and firmware.',
  'Propiedades del NFC encendido: estado "on", identificación del chip (enmascarada) y firmware.');

