-- I2C devices of each family (table i): the chips that sit on each bus of the board, by their code in
-- the device table (first digit: the bus). The scan looks for each one's address in the answer of
-- "i2c -s <bus>", in the order stored here. Bus 0 of the IP 7 boards carries six chips. A bus a board
-- wires with no listed chip on it (bus 5 of IP X) has no rows. Code 207 sits on no board here: its
-- address is written "X62", and these boards' shells write every address with a lower-case x.

insert into i (Aparelho, ID) values
('IP 6', '001'),
('IP 6', '003'),
('IP 6', '012'),
('IP 6', '014'),
('IP 6', '102'),
('IP 6', '104'),
('IP 6', '106'),
('IP 6', '201'),
('IP 6', '205');

insert into i (Aparelho, ID) values
('IP 6 Plus', '001'),
('IP 6 Plus', '003'),
('IP 6 Plus', '012'),
('IP 6 Plus', '014'),
('IP 6 Plus', '102'),
('IP 6 Plus', '104'),
('IP 6 Plus', '106'),
('IP 6 Plus', '201'),
('IP 6 Plus', '205'),
('IP 6 Plus', '206');

insert into i (Aparelho, ID) values
('IP 6s', '001'),
('IP 6s', '005'),
('IP 6s', '010'),
('IP 6s', '013'),
('IP 6s', '016'),
('IP 6s', '101'),
('IP 6s', '103'),
('IP 6s', '107'),
('IP 6s', '202'),
('IP 6s', '203'),
('IP 6s', '206');

insert into i (Aparelho, ID) values
('IP 6s Plus', '001'),
('IP 6s Plus', '005'),
('IP 6s Plus', '010'),
('IP 6s Plus', '013'),
('IP 6s Plus', '016'),
('IP 6s Plus', '101'),
('IP 6s Plus', '103'),
('IP 6s Plus', '107'),
('IP 6s Plus', '202'),
('IP 6s Plus', '203'),
('IP 6s Plus', '206');

insert into i (Aparelho, ID) values
('IP 7', '002'),
('IP 7', '006'),
('IP 7', '011'),
('IP 7', '015'),
('IP 7', '007'),
('IP 7', '017'),
('IP 7', '104'),
('IP 7', '105'),
('IP 7', '201'),
('IP 7', '204'),
('IP 7', '206'),
('IP 7', '301'),
('IP 7', '304'),
('IP 7', '305'),
('IP 7', '401'),
('IP 7', '402');

insert into i (Aparelho, ID) values
('IP 7 Plus', '002'),
('IP 7 Plus', '006'),
('IP 7 Plus', '011'),
('IP 7 Plus', '015'),
('IP 7 Plus', '007'),
('IP 7 Plus', '017'),
('IP 7 Plus', '104'),
('IP 7 Plus', '105'),
('IP 7 Plus', '201'),
('IP 7 Plus', '204'),
('IP 7 Plus', '206'),
('IP 7 Plus', '301'),
('IP 7 Plus', '304'),
('IP 7 Plus', '305'),
('IP 7 Plus', '401'),
('IP 7 Plus', '402');

insert into i (Aparelho, ID) values
('IP 8', '004'),
('IP 8', '008'),
('IP 8', '009'),
('IP 8', '017'),
('IP 8', '203'),
('IP 8', '206'),
('IP 8', '302'),
('IP 8', '306'),
('IP 8', '401'),
('IP 8', '403'),
('IP 8', '601'),
('IP 8', '602'),
('IP 8', '603'),
('IP 8', '604'),
('IP 8', '702');

insert into i (Aparelho, ID) values
('IP 8 Plus', '004'),
('IP 8 Plus', '008'),
('IP 8 Plus', '009'),
('IP 8 Plus', '017'),
('IP 8 Plus', '203'),
('IP 8 Plus', '206'),
('IP 8 Plus', '302'),
('IP 8 Plus', '306'),
('IP 8 Plus', '401'),
('IP 8 Plus', '403'),
('IP 8 Plus', '601'),
('IP 8 Plus', '602'),
('IP 8 Plus', '603'),
('IP 8 Plus', '604'),
('IP 8 Plus', '702');

insert into i (Aparelho, ID) values
('IP X', '007'),
('IP X', '008'),
('IP X', '017'),
('IP X', '303'),
('IP X', '306'),
('IP X', '401'),
('IP X', '402'),
('IP X', '601'),
('IP X', '602'),
('IP X', '603'),
('IP X', '604'),
('IP X', '702');
