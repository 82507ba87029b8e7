// The keyed archive refuses cleanly the bytes that anyone could have
// written: cut short, nested without end, lying about their lengths, or
// holding numbers that are no numbers.
#include "toolkit/KeyedArchiver.h"
#include "toolkit/KeyedUnarchiver.h"

#include <QCborStreamWriter>
#include <QtTest>

#include <cmath>

namespace {
const QString kName = "Test";

KeyedUnarchiver read(const QByteArray &data) { return KeyedUnarchiver(data, kName, {}); }

// An archive whose root object has one value under "v".
QByteArray withValue(const QCborValue &value)
{
    QCborMap object{{KeyedArchive::kClassKey, "Thing"}, {"v", value}};
    QCborMap archive{{KeyedArchive::kArchiverKey, kName},
                     {KeyedArchive::kVersionKey, 1},
                     {KeyedArchive::kTopKey, QCborMap{{"root", QCborValue(QCborTag(39), 1)}}},
                     {KeyedArchive::kObjectsKey, QCborArray{"$null", object}}};
    return QCborValue(archive).toCbor();
}

QByteArray cbor(const std::function<void(QCborStreamWriter &)> &write)
{
    QByteArray bytes;
    QCborStreamWriter writer(&bytes);
    write(writer);
    return bytes;
}
}

class TestKeyedArchive : public QObject
{
    Q_OBJECT

private slots:
    void everyCutShortArchiveIsRefused()
    {
        KeyedArchiver coder(kName, 1);
        const auto root = coder.encodeObject(this, "Thing", [](KeyedArchiver &c) {
            c.encodeString("s", "some text to cut through");
            c.encodeRect("r", QRectF(1, 2, 3, 4));
        });
        const QByteArray whole = coder.archivedData(root);
        QVERIFY(read(whole).isValid());
        for (int n = 0; n < whole.size(); ++n)
            QVERIFY2(!read(whole.left(n)).isValid(), qPrintable(QString::number(n)));
        // Nor may anything follow the archive.
        QVERIFY(!read(whole + char(0)).isValid());
    }

    void foreignOrMalformedContainersAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a map") << QCborValue(QCborArray{1, 2}).toCbor();
        QTest::newRow("another archiver") << QByteArray(withValue(1)).replace("Test", "Tset");
        QCborMap noVersion = QCborValue::fromCbor(withValue(1)).toMap();
        noVersion.remove(KeyedArchive::kVersionKey);
        QTest::newRow("no version") << QCborValue(noVersion).toCbor();
        QCborMap rootNoReference = noVersion;
        rootNoReference.insert(KeyedArchive::kVersionKey, 1);
        rootNoReference.insert(KeyedArchive::kTopKey, QCborMap{{"root", 1}});
        QTest::newRow("root not a reference") << QCborValue(rootNoReference).toCbor();
        // An array claiming four billion items in a few bytes.
        QTest::newRow("absurd count") << QByteArray::fromHex("9affffffff00");
        // A text string claiming 2^62 bytes.
        QTest::newRow("absurd length") << QByteArray::fromHex("7b4000000000000000") + "abc";
        QTest::newRow("nested without end") << QByteArray(100000, char(0x81));
        QTest::newRow("indefinite never closed") << QByteArray(5000, char(0x9f));
        // Small in bytes, large in items: refused before being built.
        QTest::newRow("two million tiny integers") << cbor([](QCborStreamWriter &w) {
            w.startArray(2'000'000);
            for (int i = 0; i < 2'000'000; ++i)
                w.append(0);
            w.endArray();
        });
    }
    void foreignOrMalformedContainersAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!read(bytes).isValid());
    }

    void numbersMustBeFiniteAndOfTheRightShape_data()
    {
        QTest::addColumn<QCborValue>("value");
        QTest::newRow("NaN") << QCborValue(QCborArray{std::nan(""), 1.0});
        QTest::newRow("infinity") << QCborValue(QCborArray{1.0, INFINITY});
        QTest::newRow("three numbers") << QCborValue(QCborArray{1.0, 2.0, 3.0});
        QTest::newRow("text inside") << QCborValue(QCborArray{1.0, "2"});
        QTest::newRow("text") << QCborValue("12");
    }
    void numbersMustBeFiniteAndOfTheRightShape()
    {
        QFETCH(QCborValue, value);
        KeyedUnarchiver archive = read(withValue(value));
        QVERIFY(archive.isValid());
        const auto object = archive.takeObject(archive.rootReference());
        QVERIFY(object);
        QVERIFY(!object->decodePoint("v"));
        QVERIFY(!object->decodeDouble("v"));
    }
};

QTEST_GUILESS_MAIN(TestKeyedArchive)
#include "tst_keyed_archive.moc"
