#include "core/FileList.h"
#include "core/ResourceKinds.h"

#include <algorithm>

namespace tolvane {

namespace {

// Entries per block: small enough that moving one is cheap, large enough that there are few.
constexpr int blockSize = 512;

// The text as the case-blind comparison sees it, one unit for each unit: the comparison folds
// each unit (a low surrogate as part of its pair) and compares the folded units, so comparing
// these keys unit by unit orders exactly as lessThan does.
QString foldedKey(const QString &text)
{
    QString key(text.size(), Qt::Uninitialized);
    const char16_t *in = reinterpret_cast<const char16_t *>(text.utf16());
    auto *out = reinterpret_cast<char16_t *>(key.data());
    char16_t last = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = in[i];
        if (ch < 0x80) {
            out[i] = ch >= u'A' && ch <= u'Z' ? char16_t(ch + 32) : ch;
            last = ch;
            continue;
        }
        char32_t ucs4 = ch;
        if (QChar::isLowSurrogate(ch) && QChar::isHighSurrogate(last))
            ucs4 = QChar::surrogateToUcs4(last, ch);
        last = ch;
        const char32_t folded = QChar::toCaseFolded(ucs4);
        out[i] = QChar::requiresSurrogates(ucs4) ? QChar::lowSurrogate(folded) : char16_t(folded);
    }
    return key;
}

} // namespace

bool FileList::lessThan(const QString &a, const QString &b)
{
    // Paths share long ASCII beginnings: those units are folded here, and Qt's comparison takes
    // over at the first unit that is not ASCII. The unit before it is ASCII, so no surrogate pair
    // is cut, and the order is exactly that of the whole comparison.
    const char16_t *x = reinterpret_cast<const char16_t *>(a.utf16());
    const char16_t *y = reinterpret_cast<const char16_t *>(b.utf16());
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        char16_t cx = x[i], cy = y[i];
        if (cx == cy) {
            if (cx < 0x80)
                continue;
        }
        if (cx >= 0x80 || cy >= 0x80)
            return QStringView(a).mid(i).compare(QStringView(b).mid(i), Qt::CaseInsensitive) < 0;
        if (cx >= u'A' && cx <= u'Z')
            cx = char16_t(cx + 32);
        if (cy >= u'A' && cy <= u'Z')
            cy = char16_t(cy + 32);
        if (cx != cy)
            return cx < cy;
    }
    return a.size() < b.size();
}

void FileList::sort(QStringList &texts)
{
    if (texts.size() < 2)
        return;
    struct Keyed
    {
        QString key;
        qsizetype index;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(texts.size()));
    for (qsizetype i = 0; i < texts.size(); ++i)
        keyed.push_back({foldedKey(texts.at(i)), i});
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const Keyed &a, const Keyed &b) { return a.key < b.key; });
    QStringList sorted;
    sorted.reserve(texts.size());
    for (const Keyed &k : keyed)
        sorted << texts.at(k.index);
    texts.swap(sorted);
}

int FileList::insertPosition(const QStringList &sorted, const QString &text)
{
    return int(std::upper_bound(sorted.begin(), sorted.end(), text, lessThan) - sorted.begin());
}

bool FileList::containsNoCase(const QStringList &sorted, const QString &text)
{
    const auto it = std::lower_bound(sorted.begin(), sorted.end(), text, lessThan);
    return it != sorted.end() && it->compare(text, Qt::CaseInsensitive) == 0;
}

QString FileList::countsBanner(int count, int selected)
{
    return QStringLiteral("Objects: %1  Select: %2  Less: %3")
        .arg(count)
        .arg(selected)
        .arg(count - selected);
}

FileList::Buttons FileList::buttonsFor(int count, int selected)
{
    Buttons b;
    b.filter = count >= 10;
    b.save = b.build = b.clearItems = selected > 0;
    b.clearAll = b.selectAll = b.invert = count > 0;
    return b;
}

bool FileList::hasExtension(const QString &path, const QString &upperExtension)
{
    return ResourceKinds::extensionOf(path) == QLatin1Char('.') + upperExtension;
}

std::pair<int, int> FileList::locate(int row) const
{
    const auto it = std::upper_bound(m_starts.begin(), m_starts.end(), row);
    const int block = int(it - m_starts.begin()) - 1;
    return {block, row - m_starts[size_t(block)]};
}

void FileList::renumberFrom(int block)
{
    m_starts.resize(m_blocks.size());
    for (size_t b = size_t(qMax(0, block)); b < m_blocks.size(); ++b)
        m_starts[b] = b == 0 ? 0 : m_starts[b - 1] + int(m_blocks[b - 1].size());
}

void FileList::rebuild(const QStringList &sorted)
{
    m_blocks.clear();
    m_count = int(sorted.size());
    for (int from = 0; from < m_count; from += blockSize)
        m_blocks.push_back(sorted.mid(from, blockSize));
    renumberFrom(0);
    m_flat = sorted;
    m_flatValid = true;
}

const QString &FileList::at(int row) const
{
    const auto [block, index] = locate(row);
    return m_blocks[size_t(block)].at(index);
}

const QStringList &FileList::entries() const
{
    if (!m_flatValid) {
        m_flat.clear();
        m_flat.reserve(m_count);
        for (const QStringList &block : m_blocks)
            m_flat += block;
        m_flatValid = true;
    }
    return m_flat;
}

int FileList::insertPosition(const QString &text) const
{
    // The first block whose last entry sorts after the text holds the place.
    const auto block = std::upper_bound(
        m_blocks.begin(), m_blocks.end(), text,
        [](const QString &t, const QStringList &b) { return lessThan(t, b.last()); });
    if (block == m_blocks.end())
        return m_count;
    const size_t b = size_t(block - m_blocks.begin());
    return m_starts[b] + insertPosition(*block, text);
}

bool FileList::containsNoCase(const QString &text) const
{
    const auto block = std::lower_bound(
        m_blocks.begin(), m_blocks.end(), text,
        [](const QStringList &b, const QString &t) { return lessThan(b.last(), t); });
    return block != m_blocks.end() && containsNoCase(*block, text);
}

void FileList::insertAt(int row, const QString &text)
{
    m_flatValid = false;
    if (m_blocks.empty()) {
        m_blocks.push_back({text});
        m_count = 1;
        renumberFrom(0);
        return;
    }
    int block = int(m_blocks.size()) - 1;
    int index = int(m_blocks.back().size());
    if (row < m_count)
        std::tie(block, index) = locate(row);
    QStringList &b = m_blocks[size_t(block)];
    b.insert(index, text);
    ++m_count;
    if (b.size() >= 2 * blockSize) {
        QStringList tail = b.mid(blockSize);
        b.resize(blockSize);
        m_blocks.insert(m_blocks.begin() + block + 1, std::move(tail));
    }
    renumberFrom(block);
}

int FileList::insert(const QString &text)
{
    const int row = insertPosition(text);
    insertAt(row, text);
    return row;
}

void FileList::assign(QStringList texts)
{
    sort(texts);
    rebuild(texts);
}

QList<int> FileList::merge(QStringList texts)
{
    sort(texts);
    const QStringList &old = entries();
    QStringList merged;
    merged.reserve(old.size() + texts.size());
    QList<int> rows;
    rows.reserve(texts.size());
    // Each new text gallops to its place from where the last one went: a scan's texts come in
    // runs that fall between the same two old ones, or all after the list, so a merge compares
    // about as often as there are new texts, not old ones. An equal old text stays first.
    qsizetype i = 0;
    for (const QString &text : std::as_const(texts)) {
        qsizetype lo = i, hi = old.size(), step = 1;
        while (true) {
            const qsizetype probe = lo + step - 1;
            if (probe >= old.size())
                break;
            if (lessThan(text, old.at(probe))) {
                hi = probe;
                break;
            }
            lo = probe + 1;
            step *= 2;
        }
        const qsizetype at =
            std::upper_bound(old.begin() + lo, old.begin() + hi, text, lessThan) - old.begin();
        while (i < at)
            merged << old.at(i++);
        rows << int(merged.size());
        merged << text;
    }
    while (i < old.size())
        merged << old.at(i++);
    rebuild(merged);
    return rows;
}

void FileList::removeRange(int row, int count)
{
    if (count <= 0)
        return;
    m_flatValid = false;
    auto [block, index] = locate(row);
    const int first = block;
    while (count > 0 && size_t(block) < m_blocks.size()) {
        QStringList &b = m_blocks[size_t(block)];
        const int take = qMin(count, int(b.size()) - index);
        b.remove(index, take);
        count -= take;
        m_count -= take;
        if (b.isEmpty())
            m_blocks.erase(m_blocks.begin() + block);
        else
            ++block;
        index = 0;
    }
    renumberFrom(first);
}

void FileList::removeRows(const QList<int> &rows)
{
    if (rows.isEmpty())
        return;
    const QStringList &old = entries();
    QStringList kept;
    kept.reserve(old.size() - rows.size());
    qsizetype next = 0;
    for (qsizetype r = 0; r < old.size(); ++r) {
        if (next < rows.size() && rows.at(next) == r)
            ++next;
        else
            kept << old.at(r);
    }
    rebuild(kept);
}

void FileList::clear()
{
    rebuild(QStringList());
}

} // namespace tolvane
