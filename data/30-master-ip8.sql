-- Rail reference rows of the IP 8 family: which rails its PMU reports, under which line code, and the
-- nominal each should read. Values are representative healthy-board figures (nominals of the
-- schematic nets), not measurements of one board; a healthy board reads well within 10 %.
-- Voltage references carry three decimals (the deviation compares millivolt digits); current rows
-- carry no reference (no deviation) and fill the current column of the rail they name after "mA ".

-- BUCK rows: bucks, buck switches and buck currents.
-- Not measured in diagnostics mode: Buck1, Buck8, mA Buck0, mA Buck1 and mA Buck8.
insert into Master (Modelo, TIPO, Orig, Malha, Ci, RefT, RefV, Ref, Leitura, Porc, G1, G2, G3, Info) values
('IP 8', 2, 'Buck0',        'PP_CPU',          'CPU',     '0',  '1.050', '1.05 V', '', '', '', '', '', ''),
('IP 8', 2, 'Buck1',        'PP_GPU',          'GPU',     '1',  '0.900', '0.9 V',  '', '', '', '', '', ''),
('IP 8', 2, 'Buck2',        'PP_VAR_SOC',      'SOC',     '2',  '0.850', '0.85 V', '', '', '', '', '', ''),
('IP 8', 2, 'Buck3',        'PP1V8_S2',        'SDRAM',   '3',  '1.800', '1.8 V',  '', '', '', '', '', ''),
('IP 8', 2, 'Buck4',        'PP1V1_S2',        'SDRAM',   '4',  '1.100', '1.1 V',  '', '', '', '', '', ''),
('IP 8', 2, 'Buck5',        'PP_CPU_SRAM',     'CPU',     '5',  '1.000', '1.0 V',  '', '', '', '', '', ''),
('IP 8', 2, 'Buck6',        'PP1V25_BUCK6',    'SOC',     '6',  '1.250', '1.25 V', '', '', '', '', '', ''),
('IP 8', 2, 'Buck7',        'PP0V9_NAND',      'NAND',    '7',  '0.900', '0.9 V',  '', '', '', '', '', ''),
('IP 8', 2, 'Buck8',        'PP_GPU_SRAM',     'GPU',     '8',  '1.000', '1.0 V',  '', '', '', '', '', ''),
('IP 8', 2, 'Buck9',        'PP1V2_SOC',       'SOC',     '9',  '1.200', '1.2 V',  '', '', '', '', '', ''),
('IP 8', 2, 'Buck10',       'PP1V8_ALWAYS',    'PMU',     '10', '1.800', '1.8 V',  '', '', '', '', '', ''),
('IP 8', 2, 'Buck11',       'PP0V8_AOP',       'SOC',     '11', '0.800', '0.8 V',  '', '', '', '', '', ''),
('IP 8', 2, 'Buck3_sw1',    'PP1V8_IO',        'IO',      '12', '1.800', '1.8 V',  '', '', '', '', '', ''),
('IP 8', 2, 'Buck3_sw2',    'PP1V8_TOUCH',     'DISPLAY', '13', '1.800', '1.8 V',  '', '', '', '', '', ''),
('IP 8', 2, 'Buck3_sw3',    'PP1V8_SENSOR',    'IO',      '14', '1.800', '1.8 V',  '', '', '', '', '', ''),
('IP 8', 2, 'Buck4_sw1',    'PP1V1_SW1',       'SDRAM',   '15', '1.100', '1.1 V',  '', '', '', '', '', ''),
('IP 8', 2, 'Buck4_sw2',    'PP1V1_SW2',       'SDRAM',   '16', '1.100', '1.1 V',  '', '', '', '', '', ''),
('IP 8', 2, 'mA Buck0',     'mA PP_CPU',       'CPU',     '20', '',      '',       '', '', '', '', '', ''),
('IP 8', 2, 'mA Buck1',     'mA PP_GPU',       'GPU',     '21', '',      '',       '', '', '', '', '', ''),
('IP 8', 2, 'mA Buck2',     'mA PP_VAR_SOC',   'SOC',     '22', '',      '',       '', '', '', '', '', ''),
('IP 8', 2, 'mA Buck3',     'mA PP1V8_S2',     'SDRAM',   '23', '',      '',       '', '', '', '', '', ''),
('IP 8', 2, 'mA Buck4',     'mA PP1V1_S2',     'SDRAM',   '24', '',      '',       '', '', '', '', '', ''),
('IP 8', 2, 'mA Buck5',     'mA PP_CPU_SRAM',  'CPU',     '25', '',      '',       '', '', '', '', '', ''),
('IP 8', 2, 'mA Buck6',     'mA PP1V25_BUCK6', 'SOC',     '26', '',      '',       '', '', '', '', '', ''),
('IP 8', 2, 'mA Buck7',     'mA PP0V9_NAND',   'NAND',    '27', '',      '',       '', '', '', '', '', ''),
('IP 8', 2, 'mA Buck8',     'mA PP_GPU_SRAM',  'GPU',     '28', '',      '',       '', '', '', '', '', ''),
('IP 8', 2, 'mA Buck9',     'mA PP1V2_SOC',    'SOC',     '29', '',      '',       '', '', '', '', '', ''),
('IP 8', 2, 'mA Buck10',    'mA PP1V8_ALWAYS', 'PMU',     '30', '',      '',       '', '', '', '', '', ''),
('IP 8', 2, 'mA Buck11',    'mA PP0V8_AOP',    'SOC',     '31', '',      '',       '', '', '', '', '', '');

-- LDO rows: LDOs, their currents, the 1.2 V buffer and the RTC supply.
-- Not measured in diagnostics mode (camera): Ldo12, Ldo13, mA Ldo12 and mA Ldo13.
-- Ldo6 (accessory) is off with nothing attached and is not judged (reference "0").
insert into Master (Modelo, TIPO, Orig, Malha, Ci, RefT, RefV, Ref, Leitura, Porc, G1, G2, G3, Info) values
('IP 8', 1, 'Ldo0',        'PP3V0_ALWAYS',      'PMU',   '40', '3.000', '3.0 V', '', '', '', '', '', ''),
('IP 8', 1, 'Ldo1',        'PP1V8_VA',          'PMU',   '41', '1.800', '1.8 V', '', '', '', '', '', ''),
('IP 8', 1, 'Ldo2',        'PP3V3_NAND',        'NAND',  '42', '3.300', '3.3 V', '', '', '', '', '', ''),
('IP 8', 1, 'Ldo3',        'PP2V8_SENSOR',      'IO',    '43', '2.800', '2.8 V', '', '', '', '', '', ''),
('IP 8', 1, 'Ldo4',        'PP1V2_PLL',         'SOC',   '44', '1.200', '1.2 V', '', '', '', '', '', ''),
('IP 8', 1, 'Ldo5',        'PP3V0_AUDIO',       'AUDIO', '45', '3.000', '3.0 V', '', '', '', '', '', ''),
('IP 8', 1, 'Ldo6',        'PP_ACC_VAR',        'IO',    '46', '0',     '0 V',   '', '', '', '', '', ''),
('IP 8', 1, 'Ldo7',        'PP3V0_S2',          'IO',    '47', '3.000', '3.0 V', '', '', '', '', '', ''),
('IP 8', 1, 'Ldo8',        'PP2V5_LDO8',        'SOC',   '48', '2.500', '2.5 V', '', '', '', '', '', ''),
('IP 8', 1, 'Ldo9',        'PP1V8_LDO9',        'SOC',   '49', '1.800', '1.8 V', '', '', '', '', '', ''),
('IP 8', 1, 'Ldo10',       'PP3V0_PROX',        'IO',    '50', '3.000', '3.0 V', '', '', '', '', '', ''),
('IP 8', 1, 'Ldo11',       'PP1V8_LDO11',       'SOC',   '51', '1.800', '1.8 V', '', '', '', '', '', ''),
('IP 8', 1, 'Ldo12',       'PP2V9_CAM_AVDD',    'CAM',   '52', '2.900', '2.9 V', '', '', '', '', '', ''),
('IP 8', 1, 'Ldo13',       'PP1V2_CAM_DVDD',    'CAM',   '53', '1.200', '1.2 V', '', '', '', '', '', ''),
('IP 8', 1, 'Ldo14',       'PP3V3_LDO14',       'IO',    '54', '3.300', '3.3 V', '', '', '', '', '', ''),
('IP 8', 1, 'Ldo15',       'PP1V8_LDO15',       'SOC',   '55', '1.800', '1.8 V', '', '', '', '', '', ''),
('IP 8', 1, 'Ldo16',       'PP2V8_LDO16',       'IO',    '56', '2.800', '2.8 V', '', '', '', '', '', ''),
('IP 8', 1, 'Ldo17',       'PP1V0_LDO17',       'SOC',   '57', '1.000', '1.0 V', '', '', '', '', '', ''),
('IP 8', 1, 'Ldo18',       'PP3V0_LDO18',       'IO',    '58', '3.000', '3.0 V', '', '', '', '', '', ''),
('IP 8', 1, 'Ldo19',       'PP1V8_LDO19',       'SOC',   '59', '1.800', '1.8 V', '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo0',     'mA PP3V0_ALWAYS',   'PMU',   '60', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo1',     'mA PP1V8_VA',       'PMU',   '61', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo2',     'mA PP3V3_NAND',     'NAND',  '62', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo3',     'mA PP2V8_SENSOR',   'IO',    '63', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo4',     'mA PP1V2_PLL',      'SOC',   '64', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo5',     'mA PP3V0_AUDIO',    'AUDIO', '65', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo6',     'mA PP_ACC_VAR',     'IO',    '66', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo7',     'mA PP3V0_S2',       'IO',    '67', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo8',     'mA PP2V5_LDO8',     'SOC',   '68', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo9',     'mA PP1V8_LDO9',     'SOC',   '69', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo10',    'mA PP3V0_PROX',     'IO',    '70', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo11',    'mA PP1V8_LDO11',    'SOC',   '71', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo12',    'mA PP2V9_CAM_AVDD', 'CAM',   '72', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo13',    'mA PP1V2_CAM_DVDD', 'CAM',   '73', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo14',    'mA PP3V3_LDO14',    'IO',    '74', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo15',    'mA PP1V8_LDO15',    'SOC',   '75', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo16',    'mA PP2V8_LDO16',    'IO',    '76', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo17',    'mA PP1V0_LDO17',    'SOC',   '77', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo18',    'mA PP3V0_LDO18',    'IO',    '78', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Ldo19',    'mA PP1V8_LDO19',    'SOC',   '79', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'mA Vbuf_1v2', 'IBUF_1V2',          'PMU',   '80', '',      '',      '', '', '', '', '', ''),
('IP 8', 1, 'Vbuf_1v2',    'VBUF_1V2',          'PMU',   '81', '1.200', '1.2 V', '', '', '', '', '', ''),
('IP 8', 1, 'Vrtc',        'VRTC',              'PMU',   '82', '1.500', '1.5 V', '', '', '', '', '', '');

-- VCore rows: the core rails (CPU, GPU, SOC, NAND, camera) and the CPU current.
-- They reuse the line codes of the BUCK and LDO rows. The numbers keep the grid in this order and
-- the net names distinct from the BUCK and LDO rows (recordings are carried to a new install by
-- family and net name); the report drops them. "mA BUCK0" is the net name under which the CPU
-- current is left unread on the families that do not report it.
insert into Master (Modelo, TIPO, Orig, Malha, Ci, RefT, RefV, Ref, Leitura, Porc, G1, G2, G3, Info) values
('IP 8', 0, 'Buck0',    '1. PP_CPU',         'CPU',  '0',  '1.050', '1.05 V', '', '', '', '', '', ''),
('IP 8', 0, 'Buck5',    '2. PP_CPU_SRAM',    'CPU',  '5',  '1.000', '1.0 V',  '', '', '', '', '', ''),
('IP 8', 0, 'Buck1',    '3. PP_GPU',         'GPU',  '1',  '0.900', '0.9 V',  '', '', '', '', '', ''),
('IP 8', 0, 'Buck8',    '4. PP_GPU_SRAM',    'GPU',  '8',  '1.000', '1.0 V',  '', '', '', '', '', ''),
('IP 8', 0, 'Buck2',    '5. PP_VAR_SOC',     'SOC',  '2',  '0.850', '0.85 V', '', '', '', '', '', ''),
('IP 8', 0, 'Buck7',    '6. PP0V9_NAND',     'NAND', '7',  '0.900', '0.9 V',  '', '', '', '', '', ''),
('IP 8', 0, 'Ldo2',     '7. PP3V3_NAND',     'NAND', '42', '3.300', '3.3 V',  '', '', '', '', '', ''),
('IP 8', 0, 'Ldo12',    '8. PP2V9_CAM_AVDD', 'CAM',  '52', '2.900', '2.9 V',  '', '', '', '', '', ''),
('IP 8', 0, 'Ldo13',    '9. PP1V2_CAM_DVDD', 'CAM',  '53', '1.200', '1.2 V',  '', '', '', '', '', ''),
('IP 8', 0, 'mA Buck0', 'mA BUCK0',          'CPU',  '20', '',      '',       '', '', '', '', '', '');
