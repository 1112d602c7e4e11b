alter table Tools add column Servidor text collate nocase;
update Tools set Servidor = 'https://www.voltracetarsel.com.br/';
