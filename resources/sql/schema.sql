-- The Chordex store: five tables in a fixed column order, stamped so that the program
-- can tell its own stores from other files.
PRAGMA application_id = 1128809560;
PRAGMA user_version = 1;
PRAGMA journal_mode = DELETE;

-- Name columns are COLLATE NOCASE, so ORDER BY sorts "riffs" beside "Riffs", as the
-- database engine of the first stores compared names without case. (SQLite folds the
-- ASCII letters only: "Élise" and "élise" still sort apart.)
BEGIN;
CREATE TABLE categories (
  category_id INTEGER PRIMARY KEY AUTOINCREMENT,
  category    TEXT COLLATE NOCASE
);
CREATE TABLE directories (
  directory_id INTEGER PRIMARY KEY AUTOINCREMENT,
  category_id  INTEGER,
  directory    TEXT COLLATE NOCASE
);
CREATE TABLE file (
  file_id      INTEGER PRIMARY KEY AUTOINCREMENT,
  directory_id INTEGER,
  filename     TEXT COLLATE NOCASE
);
CREATE TABLE tablature (
  file_id INTEGER,
  tab     TEXT,
  notes   TEXT
);
CREATE TABLE bookmarks (
  bookmark_id  INTEGER PRIMARY KEY AUTOINCREMENT,
  bookmark     TEXT,
  description  TEXT,
  category_id  INTEGER,
  directory_id INTEGER,
  file_id      INTEGER
);
CREATE INDEX directories_category ON directories(category_id);
CREATE INDEX file_directory ON file(directory_id);
CREATE INDEX tablature_file ON tablature(file_id);
CREATE INDEX bookmarks_category ON bookmarks(category_id);
CREATE INDEX bookmarks_directory ON bookmarks(directory_id);
CREATE INDEX bookmarks_file ON bookmarks(file_id);
COMMIT;
