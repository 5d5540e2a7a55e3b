CREATE TABLE municipio (
    codigo INTEGER PRIMARY KEY,
    nome TEXT NOT NULL CHECK (length(nome) <= 80)
);

CREATE TABLE IDContribuinte (
    idContrib INTEGER PRIMARY KEY,
    ccicms TEXT CHECK (length(ccicms) <= 9),
    CNPJ TEXT CHECK (length(CNPJ) <= 14)
);

CREATE TABLE datahoraatualizacao (
    -- date-times as "yyyy-mm-dd hh:mm:ss"
    dhAtualizacao TEXT CHECK (dhAtualizacao GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'),
    dhArquivoDados TEXT CHECK (dhArquivoDados GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')
);

CREATE TABLE ContribCriticaICMSReg50Especial (
    nrInscrEstadual TEXT PRIMARY KEY CHECK (length(nrInscrEstadual) <= 9),
    -- exact decimal text, "1.50"; never a floating-point number
    percentual TEXT NOT NULL CHECK (typeof(percentual) = 'text' AND percentual GLOB '[0-9]*' AND percentual NOT GLOB '*[^0-9.]*' AND percentual NOT GLOB '*.*.*')
);

CREATE TABLE contribuinteSPED (
    nrinscrestadual TEXT PRIMARY KEY CHECK (length(nrinscrestadual) <= 9),
    norazaosocial TEXT CHECK (length(norazaosocial) <= 80),
    dpIniObrigatoriedade TEXT CHECK (dpIniObrigatoriedade GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*')
);

CREATE TABLE validadedadosEFD (
    sqValidadeDadosEFD INTEGER PRIMARY KEY,
    dtinicio TEXT NOT NULL CHECK (dtinicio GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*'),
    dtfinal TEXT NOT NULL CHECK (dtfinal GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*'),
    dhinicial TEXT NOT NULL CHECK (dhinicial GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*'),
    -- empty while the row is the valid one
    dhfinal TEXT CHECK (dhfinal GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*')
);

CREATE TABLE contribuinteEntregaNormal (
    nrInscrEstadual TEXT PRIMARY KEY CHECK (length(nrInscrEstadual) <= 9),
    norazaosocial TEXT CHECK (length(norazaosocial) <= 60),
    dtIniPermissao TEXT NOT NULL CHECK (dtIniPermissao GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*'),
    dtFinalPermissao TEXT NOT NULL CHECK (dtFinalPermissao GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*')
);
