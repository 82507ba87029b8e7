// The fuzz target as a plain test, for compilers without libFuzzer: it
// replays the seeds, the corpus folder (crashers found by hand runs are
// added there) and then a fixed series of mutated inputs.
#include "FuzzSeeds.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstring>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {
constexpr int kMutations = 100'000;

// A small, fixed random sequence: every run tries the same inputs.
struct Random {
    quint64 state = 0x9e3779b97f4a7c15ull;
    quint64 next()
    {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    }
    int below(int n) { return n > 0 ? int(next() % quint64(n)) : 0; }
};

// The byte values that most often mean something to a CBOR reader: type
// headers with long lengths, the indefinite markers, the tag and floats.
const unsigned char kInteresting[] = {0x00, 0x01, 0x17, 0x18, 0x19, 0x1a, 0x1b, 0x1f, 0x3f, 0x5f, 0x7f, 0x80,
                                      0x9b, 0x9f, 0xa0, 0xbb, 0xbf, 0xd8, 0x27, 0xf9, 0xfa, 0xfb, 0xff, 0x7c};

QByteArray mutate(QByteArray input, const QList<QByteArray> &pool, Random &random)
{
    const int steps = 1 + random.below(4);
    for (int i = 0; i < steps; ++i) {
        const int at = random.below(int(input.size()) + 1);
        switch (random.below(6)) {
        case 0: // flip a bit
            if (!input.isEmpty())
                input[at % input.size()] ^= char(1 << random.below(8));
            break;
        case 1: // an interesting byte
            if (!input.isEmpty())
                input[at % input.size()] = char(kInteresting[random.below(sizeof kInteresting)]);
            break;
        case 2: input.insert(at, char(kInteresting[random.below(sizeof kInteresting)])); break;
        case 3: input.remove(at, random.below(16)); break; // cut a piece out
        case 4: input.insert(at, input.mid(random.below(int(input.size())), random.below(32))); break; // repeat one
        default: { // splice in a piece of another input
            const QByteArray &other = pool.at(random.below(int(pool.size())));
            input.insert(at, other.mid(random.below(int(other.size())), random.below(64)));
        }
        }
    }
    return input;
}

void run(const QByteArray &input)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()), size_t(input.size()));
}
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Torn down before the process ends, so the font caches go with it.
    QApplication app(argc, argv);
    LLVMFuzzerInitialize(&argc, &argv);
    QList<QByteArray> pool = fuzzSeeds();
    if (argc == 3 && std::strcmp(argv[1], "--write-seeds") == 0) {
        for (int i = 0; i < pool.size(); ++i) {
            QFile file(QDir(argv[2]).filePath(QString("seed-%1.cbor").arg(i)));
            if (!file.open(QIODevice::WriteOnly) || file.write(pool[i]) != pool[i].size())
                return 1;
        }
        return 0;
    }
    if (argc > 1)
        for (const QFileInfo &entry : QDir(argv[1]).entryInfoList(QDir::Files)) {
            QFile file(entry.filePath());
            if (file.open(QIODevice::ReadOnly))
                pool << file.readAll();
        }
    for (const QByteArray &input : std::as_const(pool))
        run(input);
    Random random;
    for (int i = 0; i < kMutations; ++i)
        run(mutate(pool.at(random.below(int(pool.size()))), pool, random));
    std::printf("%lld inputs decoded without a fault\n", static_cast<long long>(pool.size() + kMutations));
    return 0;
}
