#include "ListMerge.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <utility>

namespace {

using Texts = CItemRows::Texts;
using Pairs = std::vector<std::pair<int, int>>;

// ---------------------------------------------------------------------------
// Rows keyed by their texts

uint64_t Mixed(uint64_t hash, uint64_t value)
{
    hash ^= value;
    hash *= 0x9E3779B97F4A7C15ull;
    return hash ^ (hash >> 31);
}

uint64_t HashOf(const Texts& texts)
{
    uint64_t hash = 0x243F6A8885A308D3ull;
    for (std::wstring_view text : texts) {
        const char* bytes = reinterpret_cast<const char*>(text.data());
        size_t left = text.size() * sizeof(wchar_t);
        for (; left >= sizeof(uint64_t); left -= sizeof(uint64_t), bytes += sizeof(uint64_t)) {
            uint64_t word;
            std::memcpy(&word, bytes, sizeof word);
            hash = Mixed(hash, word);
        }
        uint64_t tail = 0;
        std::memcpy(&tail, bytes, left);
        hash = Mixed(hash, tail ^ (static_cast<uint64_t>(text.size()) << 48));
    }
    return hash;
}

bool SameTexts(const Texts& a, const Texts& b)
{
    for (int column = 0; column < ItemColumnCount; ++column) {
        if (a[column] != b[column])
            return false;
    }
    return true;
}

int CompareTexts(const Texts& a, const Texts& b)
{
    for (int column = 0; column < ItemColumnCount; ++column) {
        if (const int order = a[column].compare(b[column]); order != 0)
            return order;
    }
    return 0;
}

// The non-empty texts that two rows have in common, column by column.
int SharedTexts(const Texts& a, const Texts& b)
{
    int shared = 0;
    for (int column = 0; column < ItemColumnCount; ++column)
        shared += !a[column].empty() && a[column] == b[column];
    return shared;
}

bool SameRows(const CItemRows& a, const CItemRows& b)
{
    if (a.Count() != b.Count())
        return false;
    Texts textsA, textsB;
    for (int row = 0; row < a.Count(); ++row) {
        if (a.Mark(row) != b.Mark(row))
            return false;
        a.GetTexts(row, textsA);
        b.GetTexts(row, textsB);
        if (!SameTexts(textsA, textsB))
            return false;
    }
    return true;
}

// Numbers every distinct four texts of the lists given to it: the key of the rows
// that hold them.
class CKeys {
public:
    explicit CKeys(size_t rows)
    {
        size_t slots = 16;
        while (slots < 2 * rows)
            slots *= 2;
        m_slots.assign(slots, -1);
        m_holders.reserve(rows);
        m_hashes.reserve(rows);
    }

    int Count() const { return static_cast<int>(m_holders.size()); }

    std::vector<int> Add(const CItemRows& rows)
    {
        std::vector<int> keys(static_cast<size_t>(rows.Count()));
        const size_t mask = m_slots.size() - 1;
        Texts texts, known;
        for (int row = 0; row < rows.Count(); ++row) {
            rows.GetTexts(row, texts);
            const uint64_t hash = HashOf(texts);
            for (size_t slot = static_cast<size_t>(hash) & mask;; slot = (slot + 1) & mask) {
                int& key = m_slots[slot];
                if (key < 0) {
                    key = Count();
                    m_holders.emplace_back(&rows, row);
                    m_hashes.push_back(hash);
                } else if (m_hashes[static_cast<size_t>(key)] == hash) {
                    const auto& [holder, held] = m_holders[static_cast<size_t>(key)];
                    holder->GetTexts(held, known);
                    if (!SameTexts(texts, known))
                        continue;
                } else {
                    continue;
                }
                keys[static_cast<size_t>(row)] = key;
                break;
            }
        }
        return keys;
    }

private:
    std::vector<int> m_slots;  // a key, or -1
    std::vector<std::pair<const CItemRows*, int>> m_holders;  // per key, a row that holds its texts
    std::vector<uint64_t> m_hashes;  // per key
};

// ---------------------------------------------------------------------------
// The common rows of two sequences

// A stretch without tokens found once on each side takes the shortest edit script
// when it needs at most this many inserts and deletes; else it stays unpaired.
constexpr int kMostEdits = 1000;

// Pairs the equal tokens of two sequences, in order on both: the rows that a version
// of a list kept of another. Common ends are paired first; then the tokens found once
// in each sequence that keep their order (the longest increasing run of them), and the
// same again between those; a stretch without such tokens takes the shortest edit
// script. Tokens are numbers below the count given.
class CDiffer {
public:
    explicit CDiffer(int tokens)
        : m_countA(static_cast<size_t>(tokens)), m_countB(static_cast<size_t>(tokens)),
          m_placeB(static_cast<size_t>(tokens))
    {
    }

    // The pairs (index in a, index in b), ascending.
    void Match(const std::vector<int>& tokensA, const std::vector<int>& tokensB, Pairs& pairs)
    {
        const int* a = tokensA.data();
        const int* b = tokensB.data();
        pairs.clear();
        std::vector<Stretch> left = {{0, static_cast<int>(tokensA.size()), 0, static_cast<int>(tokensB.size())}};
        Pairs anchors;
        while (!left.empty()) {
            Stretch s = left.back();
            left.pop_back();
            while (s.a0 < s.a1 && s.b0 < s.b1 && a[s.a0] == b[s.b0])
                pairs.emplace_back(s.a0++, s.b0++);
            while (s.a0 < s.a1 && s.b0 < s.b1 && a[s.a1 - 1] == b[s.b1 - 1])
                pairs.emplace_back(--s.a1, --s.b1);
            if (s.a0 == s.a1 || s.b0 == s.b1)
                continue;
            UniqueAnchors(a, b, s, anchors);
            if (anchors.empty()) {
                ShortestScript(a, b, s, pairs);
                continue;
            }
            int a0 = s.a0, b0 = s.b0;
            for (const auto& [anchorA, anchorB] : anchors) {
                pairs.emplace_back(anchorA, anchorB);
                left.push_back({a0, anchorA, b0, anchorB});
                a0 = anchorA + 1;
                b0 = anchorB + 1;
            }
            left.push_back({a0, s.a1, b0, s.b1});
        }
        std::sort(pairs.begin(), pairs.end());
    }

private:
    struct Stretch {
        int a0, a1, b0, b1;
    };

    // The tokens of the stretch found once in each sequence, the longest run of them
    // in the same order on both.
    void UniqueAnchors(const int* a, const int* b, const Stretch& s, Pairs& anchors)
    {
        anchors.clear();
        for (int i = s.a0; i < s.a1; ++i)
            ++m_countA[static_cast<size_t>(a[i])];
        for (int j = s.b0; j < s.b1; ++j) {
            ++m_countB[static_cast<size_t>(b[j])];
            m_placeB[static_cast<size_t>(b[j])] = j;
        }
        for (int i = s.a0; i < s.a1; ++i) {
            const size_t token = static_cast<size_t>(a[i]);
            if (m_countA[token] == 1 && m_countB[token] == 1)
                anchors.emplace_back(i, m_placeB[token]);
        }
        for (int i = s.a0; i < s.a1; ++i)
            m_countA[static_cast<size_t>(a[i])] = 0;
        for (int j = s.b0; j < s.b1; ++j)
            m_countB[static_cast<size_t>(b[j])] = 0;
        if (anchors.size() > 1)
            KeepLongestIncreasing(anchors);
    }

    // Of pairs ascending in their first, the longest run ascending in their second.
    static void KeepLongestIncreasing(Pairs& pairs)
    {
        std::vector<int> ends;  // per length, the pair ending the run of it with the least second
        std::vector<int> before(pairs.size());
        for (size_t p = 0; p < pairs.size(); ++p) {
            const auto at = std::lower_bound(ends.begin(), ends.end(), pairs[p].second,
                                             [&](int end, int value) { return pairs[static_cast<size_t>(end)].second < value; });
            before[p] = at == ends.begin() ? -1 : *(at - 1);
            if (at == ends.end())
                ends.push_back(static_cast<int>(p));
            else
                *at = static_cast<int>(p);
        }
        Pairs kept(ends.size());
        size_t length = ends.size();
        for (int p = ends.back(); p >= 0; p = before[static_cast<size_t>(p)])
            kept[--length] = pairs[static_cast<size_t>(p)];
        pairs.swap(kept);
    }

    // Myers' greedy shortest edit script, its path kept round by round to walk back.
    void ShortestScript(const int* a, const int* b, const Stretch& s, Pairs& pairs)
    {
        const int n = s.a1 - s.a0, m = s.b1 - s.b0;
        const int most = std::min(n + m, kMostEdits);
        // After round d, the furthest x on each diagonal k = x - y from -d to d; the
        // rounds one after another in trace, round d from d * d on.
        std::vector<int> furthest(static_cast<size_t>(2 * most + 3));
        const int middle = most + 1;
        auto at = [&](int k) -> int& { return furthest[static_cast<size_t>(middle + k)]; };
        m_trace.clear();
        for (int d = 0; d <= most; ++d) {
            for (int k = -d; k <= d; k += 2) {
                int x = (k == -d || (k != d && at(k - 1) < at(k + 1))) ? at(k + 1) : at(k - 1) + 1;
                int y = x - k;
                while (x < n && y < m && a[s.a0 + x] == b[s.b0 + y])
                    ++x, ++y;
                at(k) = x;
                if (x >= n && y >= m) {
                    WalkBack(s, d, n, m, pairs);
                    return;
                }
            }
            m_trace.insert(m_trace.end(), furthest.begin() + (middle - d), furthest.begin() + (middle + d + 1));
        }
    }

    void WalkBack(const Stretch& s, int rounds, int x, int y, Pairs& pairs) const
    {
        for (int d = rounds; d > 0; --d) {
            const int k = x - y;
            const int* before = m_trace.data() + (d - 1) * (d - 1) + (d - 1);  // before[k] for |k| < d
            const bool down = k == -d || (k != d && before[k - 1] < before[k + 1]);
            const int fromK = down ? k + 1 : k - 1;
            const int fromX = before[fromK];
            const int snakeX = down ? fromX : fromX + 1;
            while (x > snakeX)
                --x, --y, pairs.emplace_back(s.a0 + x, s.b0 + y);
            x = fromX;
            y = fromX - fromK;
        }
        while (x > 0)
            --x, --y, pairs.emplace_back(s.a0 + x, s.b0 + y);
    }

    std::vector<int> m_countA, m_countB, m_placeB;
    std::vector<int> m_trace;
};

// ---------------------------------------------------------------------------
// One side against base

// A version of the list: its rows, their keys, and how they stand to base's rows.
struct Version {
    const CItemRows* rows;
    std::vector<int> keys;
    std::vector<int> toBase;    // per row: the base row it is, or -1 when added
    std::vector<int> fromBase;  // per base row: the row it became, or -1 when deleted
    std::vector<char> moved;    // per row: a base row taken from another place

    int Count() const { return rows->Count(); }
    // A base row in base's order among the others so kept.
    bool Kept(int row) const { return toBase[row] >= 0 && !moved[row]; }
    bool MovedFrom(int baseRow) const { return fromBase[baseRow] >= 0 && moved[fromBase[baseRow]]; }
    void Link(int baseRow, int row)
    {
        fromBase[static_cast<size_t>(baseRow)] = row;
        toBase[static_cast<size_t>(row)] = baseRow;
    }
};

// In a stretch between kept rows, each deleted base row, in order, is the row it
// became when an added row not far after the last one so paired keeps the most of its
// non-empty texts (at least one).
void PairEdits(const CItemRows& base, Version& side, const std::vector<int>& deleted, const std::vector<int>& added)
{
    const size_t reach = std::max<size_t>(16, 65536 / deleted.size());
    size_t from = 0;
    Texts baseTexts, sideTexts;
    for (int baseRow : deleted) {
        base.GetTexts(baseRow, baseTexts);
        size_t best = added.size();
        int mostShared = 0;
        for (size_t candidate = from; candidate < added.size() && candidate < from + reach; ++candidate) {
            side.rows->GetTexts(added[candidate], sideTexts);
            const int shared = SharedTexts(baseTexts, sideTexts);
            if (shared > mostShared) {
                best = candidate;
                mostShared = shared;
            }
        }
        if (best < added.size()) {
            side.Link(baseRow, added[best]);
            from = best + 1;
        }
    }
}

// Which base row each row of the side is: the common rows in order, then rows of the
// same texts deleted in one place and added in another (moved: the k-th deleted to
// the k-th added), then rows edited where they stood.
void MatchToBase(const CItemRows& base, const std::vector<int>& baseKeys, int keyCount, Version& side, CDiffer& differ)
{
    const int baseCount = base.Count(), count = side.Count();
    side.toBase.assign(static_cast<size_t>(count), -1);
    side.fromBase.assign(static_cast<size_t>(baseCount), -1);
    side.moved.assign(static_cast<size_t>(count), 0);
    Pairs common;
    differ.Match(baseKeys, side.keys, common);
    for (const auto& [baseRow, row] : common)
        side.Link(baseRow, row);
    if (static_cast<int>(common.size()) == baseCount || static_cast<int>(common.size()) == count)
        return;

    std::vector<int> first(static_cast<size_t>(keyCount), -1), last(static_cast<size_t>(keyCount), -1);
    std::vector<int> next(static_cast<size_t>(baseCount), -1);
    for (int baseRow = 0; baseRow < baseCount; ++baseRow) {
        if (side.fromBase[baseRow] >= 0)
            continue;
        const size_t key = static_cast<size_t>(baseKeys[baseRow]);
        (last[key] < 0 ? first[key] : next[static_cast<size_t>(last[key])]) = baseRow;
        last[key] = baseRow;
    }
    for (int row = 0; row < count; ++row) {
        int& queued = first[static_cast<size_t>(side.keys[row])];
        if (side.toBase[row] >= 0 || queued < 0)
            continue;
        side.Link(queued, row);
        side.moved[row] = 1;
        queued = next[static_cast<size_t>(queued)];
    }

    std::vector<int> deleted, added;
    int baseRow = 0, row = 0;
    for (size_t pair = 0; pair <= common.size(); ++pair) {
        const int baseEnd = pair < common.size() ? common[pair].first : baseCount;
        const int end = pair < common.size() ? common[pair].second : count;
        deleted.clear();
        added.clear();
        for (; baseRow < baseEnd; ++baseRow) {
            if (side.fromBase[baseRow] < 0)
                deleted.push_back(baseRow);
        }
        for (; row < end; ++row) {
            if (side.toBase[row] < 0)
                added.push_back(row);
        }
        if (!deleted.empty() && !added.empty())
            PairEdits(base, side, deleted, added);
        ++baseRow;
        ++row;
    }
}

// ---------------------------------------------------------------------------
// The merge

class CMerger {
public:
    CMerger(const CItemRows& base, const std::vector<int>& baseKeys, const Version& mine, const Version& theirs,
            CDiffer& differ)
        : m_base(base), m_baseKeys(baseKeys), m_mine(mine), m_theirs(theirs), m_differ(differ)
    {
    }

    MergedRows Merge()
    {
        m_whereMine.assign(static_cast<size_t>(m_mine.Count()), -1);
        m_placed.assign(static_cast<size_t>(m_base.Count()), 0);
        WalkBothSides();
        MergedRows merged;
        size_t characters = 0;
        Texts texts;
        for (const Planned& planned : m_plan) {
            planned.rows->GetTexts(planned.row, texts);
            for (std::wstring_view text : texts)
                characters += text.size() + 1;
        }
        merged.rows.Reserve(m_plan.size(), characters);
        for (const Planned& planned : m_plan) {
            planned.rows->GetTexts(planned.row, texts);
            merged.rows.Append(planned.mark, texts);
        }
        merged.whereMineWent = std::move(m_whereMine);
        return merged;
    }

private:
    // Where a row of a side stands against base: at a base row kept in order, or
    // among the rows that side put after the base row at (-1: at the top).
    struct Place {
        int at;
        bool after;
        bool operator==(const Place& other) const { return at == other.at && after == other.after; }
        bool operator<(const Place& other) const { return at != other.at ? at < other.at : after < other.after; }
    };
    struct Planned {
        const CItemRows* rows;
        int row;
        ItemMark mark;
    };

    static Place PlaceOf(const Version& side, int row, int lastKept)
    {
        if (row >= side.Count())
            return {INT_MAX, false};
        return side.Kept(row) ? Place{side.toBase[row], false} : Place{lastKept, true};
    }

    static int RunEnd(const Version& side, int row)
    {
        while (row < side.Count() && !side.Kept(row))
            ++row;
        return row;
    }

    // Both sides' rows in base's order: the rows kept in order where base has them,
    // the others after the kept row they follow; where both sides put rows after the
    // same row, those two runs are merged.
    void WalkBothSides()
    {
        int mine = 0, theirs = 0, mineKept = -1, theirsKept = -1;
        while (mine < m_mine.Count() || theirs < m_theirs.Count()) {
            const Place minePlace = PlaceOf(m_mine, mine, mineKept);
            const Place theirsPlace = PlaceOf(m_theirs, theirs, theirsKept);
            if (minePlace == theirsPlace && !minePlace.after) {
                Put(mine++, theirs++);
                mineKept = theirsKept = minePlace.at;
            } else if (minePlace < theirsPlace) {
                Put(mine++, -1);
                mineKept = minePlace.after ? mineKept : minePlace.at;
            } else if (theirsPlace < minePlace) {
                Put(-1, theirs++);
                theirsKept = theirsPlace.after ? theirsKept : theirsPlace.at;
            } else {
                const int mineEnd = RunEnd(m_mine, mine), theirsEnd = RunEnd(m_theirs, theirs);
                MergeRuns(mine, mineEnd, theirs, theirsEnd);
                mine = mineEnd;
                theirs = theirsEnd;
            }
        }
    }

    // What a row of a run stands for: a base row, or the texts of an added row.
    int Token(const Version& side, int row) const
    {
        const int baseRow = side.toBase[row];
        return baseRow >= 0 ? baseRow : m_base.Count() + side.keys[row];
    }

    static int CompareRuns(const Version& a, int a0, int a1, const Version& b, int b0, int b1)
    {
        Texts textsA, textsB;
        for (; a0 < a1 && b0 < b1; ++a0, ++b0) {
            a.rows->GetTexts(a0, textsA);
            b.rows->GetTexts(b0, textsB);
            if (const int order = CompareTexts(textsA, textsB); order != 0)
                return order;
        }
        return (a1 - a0) - (b1 - b0);
    }

    // The rows that both sides put at one place: those in both (the same base row
    // moved there, or the same texts added) once, the others in between ordered by
    // their texts, run against run. The runs are paired in the order of their texts
    // as well, so that which side is mine makes no difference.
    void MergeRuns(int mine0, int mine1, int theirs0, int theirs1)
    {
        std::vector<int> mineTokens, theirsTokens;
        for (int row = mine0; row < mine1; ++row)
            mineTokens.push_back(Token(m_mine, row));
        for (int row = theirs0; row < theirs1; ++row)
            theirsTokens.push_back(Token(m_theirs, row));
        Pairs common;
        if (CompareRuns(m_mine, mine0, mine1, m_theirs, theirs0, theirs1) <= 0) {
            m_differ.Match(mineTokens, theirsTokens, common);
        } else {
            m_differ.Match(theirsTokens, mineTokens, common);
            for (auto& [a, b] : common)
                std::swap(a, b);
        }
        common.emplace_back(mine1 - mine0, theirs1 - theirs0);
        int mine = mine0, theirs = theirs0;
        for (const auto& [mineAt, theirsAt] : common) {
            const int mineEnd = mine0 + mineAt, theirsEnd = theirs0 + theirsAt;
            const bool mineFirst = CompareRuns(m_mine, mine, mineEnd, m_theirs, theirs, theirsEnd) <= 0;
            if (!mineFirst) {
                for (; theirs < theirsEnd; ++theirs)
                    Put(-1, theirs);
            }
            for (; mine < mineEnd; ++mine)
                Put(mine, -1);
            for (; theirs < theirsEnd; ++theirs)
                Put(-1, theirs);
            if (mine < mine1)
                Put(mine++, theirs++);
        }
    }

    int Plan(const Version& side, int row, ItemMark mark)
    {
        m_plan.push_back({side.rows, row, mark});
        return static_cast<int>(m_plan.size()) - 1;
    }

    // A row of one side or both at this place of the walk: it goes into the result here
    // unless it goes elsewhere or not at all.
    void Put(int mineRow, int theirsRow)
    {
        const int baseRow = mineRow >= 0 ? m_mine.toBase[mineRow] : m_theirs.toBase[theirsRow];
        if (baseRow < 0) {  // added on one side, or the same on both
            if (mineRow >= 0)
                m_whereMine[mineRow] = Plan(m_mine, mineRow, m_mine.rows->Mark(mineRow));
            else
                Plan(m_theirs, theirsRow, m_theirs.rows->Mark(theirsRow));
            return;
        }
        const bool mineMoved = m_mine.MovedFrom(baseRow), theirsMoved = m_theirs.MovedFrom(baseRow);
        // A row moved on one side takes that side's place; moved on both, the first.
        if ((theirsRow < 0 && theirsMoved && !mineMoved) || (mineRow < 0 && mineMoved && !theirsMoved))
            return;
        if (m_placed[baseRow])
            return;
        m_placed[baseRow] = 1;
        PlanBaseRow(baseRow);
    }

    // A base row as both sides left it.
    void PlanBaseRow(int baseRow)
    {
        const int mine = m_mine.fromBase[baseRow], theirs = m_theirs.fromBase[baseRow];
        const int baseKey = m_baseKeys[baseRow];
        const ItemMark baseMark = m_base.Mark(baseRow);
        if (mine < 0 || theirs < 0) {
            // Deleted on one side: it goes, unless the other changed it.
            const Version& side = mine < 0 ? m_theirs : m_mine;
            const int row = mine < 0 ? theirs : mine;
            if (row < 0 || (side.keys[row] == baseKey && side.rows->Mark(row) == baseMark))
                return;
            const int placed = Plan(side, row, side.rows->Mark(row));
            if (mine >= 0)
                m_whereMine[mine] = placed;
            return;
        }
        const ItemMark mineMark = m_mine.rows->Mark(mine);
        const ItemMark mark = mineMark != baseMark ? mineMark : m_theirs.rows->Mark(theirs);
        const int mineKey = m_mine.keys[mine], theirsKey = m_theirs.keys[theirs];
        if (mineKey == baseKey) {
            m_whereMine[mine] = Plan(m_theirs, theirs, mark);
        } else if (theirsKey == baseKey || theirsKey == mineKey) {
            m_whereMine[mine] = Plan(m_mine, mine, mark);
        } else if (CompareRuns(m_mine, mine, mine + 1, m_theirs, theirs, theirs + 1) < 0) {
            // Edited differently on both sides: both versions, in the order of their texts.
            m_whereMine[mine] = Plan(m_mine, mine, mark);
            Plan(m_theirs, theirs, mark);
        } else {
            Plan(m_theirs, theirs, mark);
            m_whereMine[mine] = Plan(m_mine, mine, mark);
        }
    }

    const CItemRows& m_base;
    const std::vector<int>& m_baseKeys;
    const Version& m_mine;
    const Version& m_theirs;
    CDiffer& m_differ;
    std::vector<Planned> m_plan;
    std::vector<int> m_whereMine;
    std::vector<char> m_placed;  // per base row
};

}  // namespace

MergedRows MergeRows(const CItemRows& base, const CItemRows& mine, const CItemRows& theirs)
{
    MergedRows merged;
    if (SameRows(theirs, base)) {
        merged.rows = mine;
        merged.whereMineWent.resize(static_cast<size_t>(mine.Count()));
        std::iota(merged.whereMineWent.begin(), merged.whereMineWent.end(), 0);
        return merged;
    }
    const bool mineIsBase = SameRows(mine, base);
    CKeys keys(static_cast<size_t>(base.Count()) + static_cast<size_t>(theirs.Count()) +
               (mineIsBase ? 0 : static_cast<size_t>(mine.Count())));
    const std::vector<int> baseKeys = keys.Add(base);
    Version theirsVersion{&theirs, keys.Add(theirs), {}, {}, {}};
    if (mineIsBase) {
        CDiffer differ(keys.Count());
        MatchToBase(base, baseKeys, keys.Count(), theirsVersion, differ);
        merged.rows = theirs;
        merged.whereMineWent = std::move(theirsVersion.fromBase);
        return merged;
    }
    Version mineVersion{&mine, keys.Add(mine), {}, {}, {}};
    // The runs of rows that both sides put at one place are paired on tokens past the keys.
    CDiffer differ(base.Count() + keys.Count());
    MatchToBase(base, baseKeys, keys.Count(), mineVersion, differ);
    MatchToBase(base, baseKeys, keys.Count(), theirsVersion, differ);
    return CMerger(base, baseKeys, mineVersion, theirsVersion, differ).Merge();
}
