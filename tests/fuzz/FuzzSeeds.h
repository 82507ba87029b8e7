#pragma once
#include <QByteArray>
#include <QList>

// Sound archives of every shape the decoder knows, from which the fuzzers
// start: comics of single and double rows with objects of every kind, an
// odd entry count, an object of an unknown kind, and clipboard objects.
QList<QByteArray> fuzzSeeds();
