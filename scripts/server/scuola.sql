-- Prepara il database della scuola per i risultati di «Analisi grammaticale».
-- Si esegue una volta, da amministratore (proprietario del database), su un
-- database nuovo e vuoto:
--
--     createdb analisi
--     psql -d analisi -f scuola.sql
--
-- Poi, per ogni classe, classe.sql crea il suo ruolo. Le tabelle sono le
-- stesse che il programma tiene sul computer dell'alunno, nella stessa
-- versione (le «migrazioni» qui sotto sono le sue, nello stesso ordine).

\set ON_ERROR_STOP on
BEGIN;

-- migrazione 1
CREATE TABLE schema_version (version INTEGER NOT NULL);
INSERT INTO schema_version (version) VALUES (0);
CREATE TABLE series ( id TEXT PRIMARY KEY, pupil TEXT NOT NULL, started_at BIGINT NOT NULL, ended_at BIGINT, answers INTEGER, errors INTEGER, grade INTEGER, duration_ms BIGINT);
CREATE TABLE answers ( series_id TEXT NOT NULL REFERENCES series (id), seq INTEGER NOT NULL, given_at BIGINT NOT NULL, sentence INTEGER NOT NULL, source_file TEXT NOT NULL, source_line INTEGER NOT NULL, unit INTEGER NOT NULL, unit_text TEXT NOT NULL, question TEXT NOT NULL, pressed INTEGER NOT NULL, expected INTEGER NOT NULL, correct INTEGER NOT NULL, error_category INTEGER NOT NULL, full_analysis INTEGER NOT NULL, PRIMARY KEY (series_id, seq));
UPDATE schema_version SET version = 1;

-- migrazione 2
CREATE INDEX series_by_end ON series (ended_at);
CREATE INDEX answers_by_time ON answers (given_at);
UPDATE schema_version SET version = 2;

-- migrazione 3
CREATE TABLE switches (name TEXT PRIMARY KEY, value INTEGER NOT NULL);
UPDATE schema_version SET version = 3;

-- migrazione 4
ALTER TABLE series ADD COLUMN class_name TEXT NOT NULL DEFAULT '';
CREATE TABLE outbox ( series_id TEXT PRIMARY KEY REFERENCES series (id), queued INTEGER NOT NULL);
UPDATE schema_version SET version = 4;

-- Chi può fare che cosa. Ogni classe ha un ruolo «classe_NOME» (classe.sql),
-- membro di analisi_classi: può aggiungere serie e risposte della sua classe
-- e leggere soltanto quelle; non può cambiare né cancellare nulla, né vedere
-- le altre classi. Le tabelle switches e outbox servono solo sul computer
-- dell'alunno: qui restano vuote e nessun ruolo di classe le tocca.
DO $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'analisi_classi') THEN
        CREATE ROLE analisi_classi NOLOGIN;
    END IF;
END
$$;
REVOKE ALL ON schema_version, series, answers, switches, outbox FROM PUBLIC;
GRANT SELECT ON schema_version TO analisi_classi;
GRANT SELECT, INSERT ON series, answers TO analisi_classi;

ALTER TABLE series ENABLE ROW LEVEL SECURITY;
CREATE POLICY classe_legge ON series FOR SELECT TO analisi_classi
    USING (current_user = 'classe_' || class_name);
CREATE POLICY classe_scrive ON series FOR INSERT TO analisi_classi
    WITH CHECK (current_user = 'classe_' || class_name);

-- Una risposta appartiene alla classe della sua serie.
ALTER TABLE answers ENABLE ROW LEVEL SECURITY;
CREATE POLICY classe_legge ON answers FOR SELECT TO analisi_classi
    USING (series_id IN (SELECT id FROM series));
CREATE POLICY classe_scrive ON answers FOR INSERT TO analisi_classi
    WITH CHECK (series_id IN (SELECT id FROM series));

COMMIT;
