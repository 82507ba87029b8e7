#pragma once
#include <QByteArray>
#include <QList>

// The sound inputs a fuzz target starts from, every shape its reader
// knows; each target links its own (FuzzSeeds.cpp: comics and clipboard
// objects for the archive decoder; OldComicSeeds.cpp: old files of every
// generation for the reader of old saved comics).
QList<QByteArray> fuzzSeeds();
