-- Settings of a fresh installation: Portuguese, no synchronisation done yet, default colours.
insert into Tools (Idioma, Nome, syncbd, o1, o2, o3, o4) values ('1', '', '0', '', '', '', '');

-- Remembered choices: decimals of the rail screens and the BOX model.
insert into Combos (Combo1, Combo2, Combo3, Combo4, Combo5, Combo6, Combo7, Combo8, Combo9, Combo10)
values ('3', '1', '3', '1', '3', '3', '1', '', '', '');
