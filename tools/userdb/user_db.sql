-- The template of the user database, copied into Library/ at first launch.
-- The application never creates tables: change the schema here, regenerate
-- with generate.sh, and give existing databases a migration (user_version).

PRAGMA page_size = 4096;
PRAGMA user_version = 1;

-- One row per comic, open or saved. data IS NULL: never saved (purged at the
-- next launch). AUTOINCREMENT: an id is never reused, so an archive or the
-- pasteboard that still names a deleted row never reaches another comic's row.
CREATE TABLE comics (
    id        INTEGER PRIMARY KEY AUTOINCREMENT,
    title     TEXT,
    thumbnail BLOB,
    data      BLOB,
    timestamp TEXT DEFAULT CURRENT_TIMESTAMP  -- UTC "yyyy-MM-dd HH:mm:ss", set on insertion
);

-- One row per stored picture (PNG) of an image or drawing object.
CREATE TABLE comicData (
    id      INTEGER PRIMARY KEY AUTOINCREMENT,
    comicId INTEGER,
    data    BLOB
);
-- Clean-up and deletion find a comic's pictures by comicId.
CREATE INDEX comicData_comicId ON comicData (comicId);

-- The upload history.
CREATE TABLE history (
    id        INTEGER PRIMARY KEY,
    title     TEXT,
    link      TEXT,
    timestamp TEXT DEFAULT CURRENT_TIMESTAMP  -- UTC "yyyy-MM-dd HH:mm:ss", set on insertion
);
