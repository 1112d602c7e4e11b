-- Tables of the reference and working database. Every text column compares without regard to case,
-- as the old engine did; TIPO is the one number.

create table Master (
    Modelo text collate nocase,
    TIPO integer,
    Orig text collate nocase,
    Malha text collate nocase,
    Ci text collate nocase,
    RefT text collate nocase,
    RefV text collate nocase,
    Ref text collate nocase,
    Leitura text collate nocase,
    Porc text collate nocase,
    G1 text collate nocase,
    G2 text collate nocase,
    G3 text collate nocase,
    Info text collate nocase
);
create index MasterModeloTipo on Master (Modelo, TIPO);

create table Dados (
    Aparelho text collate nocase,
    Comando text collate nocase,
    Dados text collate nocase,
    Info text collate nocase,
    Info2 text collate nocase,
    Info3 text collate nocase
);
create index DadosAparelhoComando on Dados (Aparelho, Comando);

create table Comandos (
    Comando text collate nocase,
    Info text collate nocase,
    Info2 text collate nocase,
    Info3 text collate nocase
);
create index ComandosComando on Comandos (Comando);

create table M (
    String text collate nocase
);

create table Tools (
    Idioma text collate nocase,
    Nome text collate nocase,
    syncbd text collate nocase,
    o1 text collate nocase,
    o2 text collate nocase,
    o3 text collate nocase,
    o4 text collate nocase
);

create table Combos (
    Combo1 text collate nocase,
    Combo2 text collate nocase,
    Combo3 text collate nocase,
    Combo4 text collate nocase,
    Combo5 text collate nocase,
    Combo6 text collate nocase,
    Combo7 text collate nocase,
    Combo8 text collate nocase,
    Combo9 text collate nocase,
    Combo10 text collate nocase
);

create table i (
    Aparelho text collate nocase,
    ID text collate nocase
);

create table Rf (
    Modelo text collate nocase,
    Malha text collate nocase,
    Componente text collate nocase,
    Valor text collate nocase,
    Tipo text collate nocase
);
