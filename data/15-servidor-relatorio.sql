-- Where the report pages live. Kept in the database so that a test or a local copy of the pages can
-- take the product's place.
alter table Tools add column ServidorRelatorio text collate nocase;
update Tools set ServidorRelatorio = 'https://relatorio.voltracetarsel.com.br/';
