#include "oldcomics/PropertyListCheck.h"

#include <QList>

#include <algorithm>
#include <cstring>
#include <optional>

namespace {
using u64 = quint64;

u64 bigEndian(const uchar *p, int size)
{
    u64 value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | p[i];
    return value;
}

u64 saturatedAdd(u64 a, u64 b) { return a > ~u64(0) - b ? ~u64(0) : a + b; }

// The objects of a binary list ("bplist00": objects, an offset table, a
// 32-byte trailer) as libplist reads them.
class BinaryList
{
public:
    struct Object {
        u64 payloadBytes = 0;
        QList<u64> children; // array items, or dictionary keys then values
    };

    BinaryList(const QByteArray &bytes, qsizetype maxNodes)
        : m_data(reinterpret_cast<const uchar *>(bytes.constData()))
        , m_size(u64(bytes.size()))
        , m_maxNodes(u64(maxNodes))
    {
    }

    bool readTrailer()
    {
        if (m_size < 8 + 32 || std::memcmp(m_data, "bplist00", 8) != 0)
            return false;
        const uchar *trailer = m_data + m_size - 32;
        m_offsetSize = trailer[6];
        m_refSize = trailer[7];
        m_count = bigEndian(trailer + 8, 8);
        m_top = bigEndian(trailer + 16, 8);
        m_tableStart = bigEndian(trailer + 24, 8);
        // Any width of 1 to 8 bytes: writers take the fewest that hold the largest.
        const auto validSize = [](int size) { return size >= 1 && size <= 8; };
        return validSize(m_offsetSize) && validSize(m_refSize) && m_count > 0 && m_count <= m_maxNodes &&
               m_top < m_count && m_tableStart >= 8 && m_tableStart <= m_size - 32 &&
               m_count <= (m_size - 32 - m_tableStart) / u64(m_offsetSize);
    }

    u64 count() const { return m_count; }
    u64 top() const { return m_top; }

    // Nothing for an object that libplist would misread.
    std::optional<Object> object(u64 index) const
    {
        const u64 offset = bigEndian(m_data + m_tableStart + index * u64(m_offsetSize), m_offsetSize);
        if (offset < 8 || offset >= m_tableStart)
            return std::nullopt;
        u64 at = offset + 1;
        const int type = m_data[offset] >> 4;
        const int info = m_data[offset] & 0x0f;
        Object object;
        switch (type) {
        case 0x0: // null, false, true, fill
            return (info == 0 || info == 8 || info == 9 || info == 15) ? std::optional(object) : std::nullopt;
        case 0x1: // integer of 1 to 16 bytes
        case 0x2: // real of 4 or 8 bytes
            if ((type == 0x1 && info > 4) || (type == 0x2 && info != 2 && info != 3))
                return std::nullopt;
            return within(at, u64(1) << info) ? std::optional(object) : std::nullopt;
        case 0x3: // date
            return info == 3 && within(at, 8) ? std::optional(object) : std::nullopt;
        case 0x8: // uid of 1 to 8 bytes
            return info < 8 && within(at, u64(info) + 1) ? std::optional(object) : std::nullopt;
        case 0x4: // data
        case 0x5: // ASCII text
        case 0x6: // UTF-16 text
        case 0xa: // array
        case 0xd: // dictionary
            break;
        default:
            return std::nullopt;
        }
        const std::optional<u64> length = this->length(info, &at);
        if (!length)
            return std::nullopt;
        if (type == 0x4 || type == 0x5 || type == 0x6) {
            const u64 unit = type == 0x6 ? 2 : 1;
            if (*length > m_size / unit || !within(at, *length * unit))
                return std::nullopt;
            object.payloadBytes = *length * unit;
            // libplist stops at a zero in a text, and then fails its own checks.
            for (u64 i = 0; type != 0x4 && i < *length; ++i)
                if (m_data[at + i * unit] == 0 && (unit == 1 || m_data[at + i * unit + 1] == 0))
                    return std::nullopt;
            return object;
        }
        const u64 refs = type == 0xd ? *length * 2 : *length;
        if (*length > m_maxNodes || refs > m_maxNodes || !within(at, refs * u64(m_refSize)))
            return std::nullopt;
        for (u64 i = 0; i < refs; ++i) {
            const u64 child = bigEndian(m_data + at + i * u64(m_refSize), m_refSize);
            if (child >= m_count)
                return std::nullopt;
            object.children << child;
        }
        // Keys are texts.
        for (u64 i = 0; type == 0xd && i < *length; ++i) {
            const u64 keyOffset = bigEndian(m_data + m_tableStart + object.children[i] * u64(m_offsetSize), m_offsetSize);
            if (keyOffset < 8 || keyOffset >= m_tableStart || ((m_data[keyOffset] >> 4) != 0x5 && (m_data[keyOffset] >> 4) != 0x6))
                return std::nullopt;
        }
        return object;
    }

private:
    bool within(u64 at, u64 bytes) const { return at <= m_tableStart && bytes <= m_tableStart - at; }

    // A length in the marker's low bits, or after it as an integer object.
    std::optional<u64> length(int info, u64 *at) const
    {
        if (info != 0x0f)
            return u64(info);
        if (!within(*at, 1) || (m_data[*at] >> 4) != 0x1 || (m_data[*at] & 0x0f) > 3)
            return std::nullopt;
        const int size = 1 << (m_data[*at] & 0x0f);
        if (!within(*at + 1, u64(size)))
            return std::nullopt;
        const u64 value = bigEndian(m_data + *at + 1, size);
        *at += 1 + u64(size);
        return value;
    }

    const uchar *m_data;
    u64 m_size;
    u64 m_maxNodes;
    int m_offsetSize = 0;
    int m_refSize = 0;
    u64 m_count = 0;
    u64 m_top = 0;
    u64 m_tableStart = 0;
};

// Walks the objects reachable from the top without recursion, and sums what
// libplist would build for each: nodes, payload bytes and depth.
bool binaryWithinLimits(const QByteArray &bytes, const PropertyListCheck::Limits &limits)
{
    BinaryList list(bytes, limits.maxNodes);
    if (!list.readTrailer())
        return false;
    struct Totals {
        u64 nodes = 0;
        u64 payload = 0;
        int depth = 0;
    };
    enum State : uchar { Unseen, Open, Done };
    QList<State> state(qsizetype(list.count()), Unseen);
    QList<Totals> totals(qsizetype(list.count()));
    struct Frame {
        u64 index;
        BinaryList::Object object;
        qsizetype next = 0;
    };
    QList<Frame> stack;
    const auto enter = [&](u64 index) {
        std::optional<BinaryList::Object> object = list.object(index);
        if (!object || stack.size() >= limits.maxDepth)
            return false;
        state[qsizetype(index)] = Open;
        stack.append({index, std::move(*object)});
        return true;
    };
    if (!enter(list.top()))
        return false;
    while (!stack.isEmpty()) {
        Frame &frame = stack.last();
        if (frame.next < frame.object.children.size()) {
            const u64 child = frame.object.children[frame.next++];
            if (state[qsizetype(child)] == Open)
                return false; // a cycle
            if (state[qsizetype(child)] == Unseen && !enter(child))
                return false;
            continue;
        }
        Totals sum{1, frame.object.payloadBytes, 1};
        for (u64 child : std::as_const(frame.object.children)) {
            const Totals &c = totals[qsizetype(child)];
            sum.nodes = saturatedAdd(sum.nodes, c.nodes);
            sum.payload = saturatedAdd(sum.payload, c.payload);
            sum.depth = std::max(sum.depth, c.depth + 1);
        }
        if (sum.nodes > u64(limits.maxNodes) || sum.payload > u64(limits.maxPayloadBytes) || sum.depth > limits.maxDepth)
            return false;
        totals[qsizetype(frame.index)] = sum;
        state[qsizetype(frame.index)] = Done;
        stack.removeLast();
    }
    return true;
}

// Counts the elements of an XML list and their nesting; comments,
// declarations and character data sections are passed over whole.
bool xmlWithinLimits(const QByteArray &bytes, const PropertyListCheck::Limits &limits)
{
    qsizetype elements = 0;
    int depth = 0;
    const auto skipPast = [&](qsizetype from, const char *end) {
        const qsizetype at = bytes.indexOf(end, from);
        return at < 0 ? bytes.size() : at + qsizetype(std::strlen(end));
    };
    for (qsizetype i = bytes.indexOf('<'); i >= 0 && i < bytes.size(); i = bytes.indexOf('<', i)) {
        const QByteArrayView next = QByteArrayView(bytes).sliced(i + 1);
        if (next.startsWith("!--")) {
            i = skipPast(i, "-->");
        } else if (next.startsWith("![CDATA[")) {
            i = skipPast(i, "]]>");
        } else if (next.startsWith('?') || next.startsWith('!')) {
            i = skipPast(i, ">");
        } else if (next.startsWith('/')) {
            if (--depth < 0)
                return false;
            ++i;
        } else {
            const qsizetype close = bytes.indexOf('>', i);
            if (close < 0)
                return false;
            if (++elements > limits.maxNodes)
                return false;
            if (bytes.at(close - 1) != '/' && ++depth > limits.maxDepth)
                return false;
            i = close + 1;
        }
    }
    return true;
}
}

bool PropertyListCheck::withinLimits(const QByteArray &bytes, const Limits &limits)
{
    if (bytes.size() > limits.maxBytes)
        return false;
    if (bytes.startsWith("bplist"))
        return binaryWithinLimits(bytes, limits);
    return xmlWithinLimits(bytes, limits);
}
