-- Catalogues as a hostile player might pass them on: each kind, applied by the sqlite3 tool to an
-- ordinary catalogue, makes it try to act, hang or exhaust the program that opens it. The
-- window's hostile catalogue test runs each through every action; the catalogue fuzzer starts
-- from each. A kind begins at its "-- kind:" line.

-- kind: a trigger on the deck empties the card table when a card is added
CREATE TRIGGER emptied AFTER INSERT ON tblNames BEGIN DELETE FROM tblZentDeck; END;

-- kind: a trigger on the deck changes hit points when a card is deleted
CREATE TRIGGER weakened AFTER DELETE ON tblNames BEGIN UPDATE tblZentDeck SET fldHitPoints = '1'; END;

-- kind: a trigger on the deck adds rows of its own, over and over
CREATE TRIGGER doubled AFTER INSERT ON tblNames WHEN new.fldID < 1000
BEGIN INSERT INTO tblNames VALUES (new.fldNames, new.fldID + 1); END;

-- kind: the card table is a view over a never-ending recursive query
DROP TABLE tblZentDeck;
CREATE VIEW tblZentDeck AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n)
SELECT 'Card' || i AS fldName, 'z' AS fldTrainers, '' AS fldImage FROM n;

-- kind: the deck table is a view, with a trigger to take the deck's writes
DROP TABLE tblNames;
CREATE VIEW tblNames AS SELECT fldName AS fldNames, rowid AS fldID FROM tblZentDeck;
CREATE TRIGGER taken INSTEAD OF INSERT ON tblNames BEGIN DELETE FROM tblZentDeck; END;

-- kind: the card table is a virtual table
DROP TABLE tblZentDeck;
CREATE VIRTUAL TABLE tblZentDeck USING fts5(fldName, fldTrainers, fldImage, fldZentGroup, fldGroupLev);
INSERT INTO tblZentDeck VALUES ('Ash', 'z', '', '1', '1'), ('z', 'Beta', '', '', '');

-- kind: the deck table is a virtual table
DROP TABLE tblNames;
CREATE VIRTUAL TABLE tblNames USING rtree(fldID, lowest, highest);

-- kind: a generated column of the card table builds a huge text
ALTER TABLE tblZentDeck ADD COLUMN fldHuge TEXT GENERATED ALWAYS AS (printf('%.*c', 900000000, 'x')) VIRTUAL;

-- kind: an indexed expression on the deck table runs on every added card
CREATE INDEX idxShout ON tblNames (upper(replace(replace(fldNames, 'a', 'aaaa'), 'aaaa', 'aaaaaaaaaaaaaaaa')));

-- kind: a check on the deck table calls a function no program defines
PRAGMA writable_schema = ON;
UPDATE sqlite_schema SET sql = 'CREATE TABLE tblNames (fldNames TEXT CHECK (zentari_hook(fldNames)), fldID INTEGER)'
WHERE name = 'tblNames';
PRAGMA writable_schema = OFF;

-- kind: the deck's names compare by a collation no program defines
PRAGMA writable_schema = ON;
UPDATE sqlite_schema SET sql = 'CREATE TABLE tblNames (fldNames TEXT COLLATE zentari_order, fldID INTEGER)'
WHERE name = 'tblNames';
PRAGMA writable_schema = OFF;

-- kind: a deleted card takes the whole card table with it
PRAGMA foreign_keys = OFF;
DROP TABLE tblNames;
CREATE TABLE tblNames (fldNames TEXT COLLATE NOCASE REFERENCES tblZentDeck (fldName) ON DELETE CASCADE,
                       fldID INTEGER);

-- kind: a card's notes are a value of ten megabytes
UPDATE tblZentDeck SET fldNotes = hex(zeroblob(5000000)) WHERE rowid = 1;

-- kind: a card's notes are nested ten thousand levels deep
UPDATE tblZentDeck SET fldNotes = replace(hex(zeroblob(10000)), '00', '[') || replace(hex(zeroblob(10000)), '00', ']')
WHERE rowid = 2;

-- kind: a check on the card table is nested far deeper than any catalogue needs
CREATE TABLE tblDeep (x CHECK (-(-(-(-(-(-(-(-(-(-(-(-(-(-(-(-(-(-(-(-(x)))))))))))))))))))) > 0));
