-- Crea il ruolo di una classe: può inviare e leggere soltanto i risultati
-- della sua classe. Da amministratore, dopo scuola.sql:
--
--     psql -d analisi -v classe=3B -v password='una parola segreta' -f classe.sql
--
-- Il ruolo si chiama classe_3B; nei computer del laboratorio il file
-- /etc/xdg/analisi-grammaticale/analisi-grammaticale.conf lo nomina
-- (user=classe_3B, password=..., class=3B). Il nome della classe è quello
-- dell'elenco (3B.txt) e distingue maiuscole e minuscole.

\set ON_ERROR_STOP on
\set ruolo classe_:classe
CREATE ROLE :"ruolo" LOGIN PASSWORD :'password' IN ROLE analisi_classi;
