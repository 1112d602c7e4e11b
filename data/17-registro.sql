-- The session log (logs/ in the program folder): on or off, and how many days of files are kept.
alter table Tools add column RegistroSessao integer not null default 1;
alter table Tools add column DiasRegistro integer not null default 30;
