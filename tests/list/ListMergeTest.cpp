// The merge of a list that two machines changed: each rule on small lists, merged
// both ways round, and a large list changed in many places on both sides.
#include "list/ListMerge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A list written as words, a row each: its name, its quantity after a dot, then +
// when ticked, ! or ? when flagged; "B.2+" is B, quantity 2, ticked.
constexpr char kMarks[] = "+x!?";  // by ItemMark; x, the cross, is written as nothing

CItemRows Rows(const std::string& words)
{
    CItemRows rows;
    std::istringstream in(words);
    for (std::string word; in >> word;) {
        ItemRow row;
        if (const char* mark = std::strchr(kMarks, word.back()); word.size() > 1 && mark != nullptr && *mark != 'x') {
            row.mark = static_cast<ItemMark>(mark - kMarks);
            word.pop_back();
        }
        const size_t dot = word.find('.');
        row.name = std::wstring(word.begin(), word.begin() + static_cast<std::ptrdiff_t>(std::min(dot, word.size()))).c_str();
        if (dot != std::string::npos)
            row.quantity = std::wstring(word.begin() + static_cast<std::ptrdiff_t>(dot) + 1, word.end()).c_str();
        rows.Append(row);
    }
    return rows;
}

std::string Name(const CItemRows& rows, int row)
{
    const std::wstring_view name = rows.TextView(row, ColumnName);
    return std::string(name.begin(), name.end());
}

std::string Words(const CItemRows& rows)
{
    std::string words;
    for (int row = 0; row < rows.Count(); ++row) {
        const std::wstring_view quantity = rows.TextView(row, ColumnQuantity);
        words += (row > 0 ? " " : "") + Name(rows, row) + (quantity.empty() ? "" : ".") +
                 std::string(quantity.begin(), quantity.end());
        if (rows.Mark(row) != MarkCross)
            words += kMarks[rows.Mark(row)];
    }
    return words;
}

std::string Places(const std::vector<int>& places)
{
    std::string words;
    for (int place : places)
        words += (words.empty() ? "" : " ") + std::to_string(place);
    return words;
}

// Each row of mine that stayed is at a row of its own with its name.
void ExpectMineFollowed(const CItemRows& mine, const MergedRows& merged)
{
    ASSERT_EQ(static_cast<int>(merged.whereMineWent.size()), mine.Count());
    std::set<int> taken;
    for (int row = 0; row < mine.Count(); ++row) {
        const int place = merged.whereMineWent[static_cast<size_t>(row)];
        if (place < 0)
            continue;
        ASSERT_LT(place, merged.rows.Count());
        EXPECT_EQ(Name(merged.rows, place), Name(mine, row)) << "row " << row;
        EXPECT_TRUE(taken.insert(place).second) << "row " << row;
    }
}

struct Case {
    const char* what;
    const char* base;
    const char* mine;
    const char* theirs;
    const char* merged;
    const char* whereMineWent;
    const char* mergedTheirsAsMine = nullptr;  // when not the same rows
};

const Case kCases[] = {
    {"added on each side, among its neighbours", "A B C", "A X B C", "A B C Y", "A X B C Y", "0 1 2 3"},
    {"added at one place on both sides, in the order of their texts", "A B", "Y Z A B", "X A B", "X Y Z A B",
     "1 2 3 4"},
    {"the same row added at one place on both sides, once", "A B", "X A B", "X A B", "X A B", "0 1 2"},
    {"added after a row that the other side deleted", "A B C", "A B X C", "A C", "A X C", "0 -1 1 2"},
    {"deleted on one side, unchanged on the other", "A B C", "A C", "A B C+", "A C+", "0 1"},
    {"deleted on one side, its mark changed on the other", "A B C", "A C", "A B+ C", "A B+ C", "0 2"},
    {"deleted on one side, edited on the other", "A B C", "A C", "A B.2 C", "A B.2 C", "0 2"},
    {"a mark changed on each side", "A B C", "A+ B C", "A B C!", "A+ B C!", "0 1 2"},
    {"a mark changed differently on both sides: mine", "A B", "A+ B", "A! B", "A+ B", "0 1", "A! B"},
    {"edited on one side, its mark changed on the other", "A B C", "A B.2 C", "A B+ C", "A B.2+ C", "0 1 2"},
    {"edited differently on both sides: both, in the order of their texts", "A B C", "A B.3 C", "A B.2+ C",
     "A B.2+ B.3+ C", "0 2 3"},
    {"the same edit on both sides, once", "A B", "A.1 B", "A.1 B+", "A.1 B+", "0 1"},
    {"edited and added above it on one side", "A B", "X A.2 B", "A+ B", "X A.2+ B", "0 1 2"},
    {"moved on one side", "A B C D", "C A B D", "A B C D E", "C A B D E", "0 1 2 3"},
    {"moved on one side, edited on the other", "A B C D", "C A B D", "A B C.2 D", "C.2 A B D", "0 1 2 3"},
    {"moved on one side, deleted on the other", "A B C D", "C A B D", "A B D", "A B D", "-1 0 1 2"},
    {"moved on both sides: the earlier place", "A B C D", "D A B C", "A D B C", "D A B C", "0 1 2 3"},
    {"rows of the same texts told apart by their places", "A B A C", "A B A+ C", "B A C", "B A+ C", "-1 0 1 2"},
    {"a row moved past rows of the same texts", "A B A C", "A B C A", "A B A+ C", "A B C A+", "0 1 2 3"},
    {"mine unchanged: theirs as it is", "A B C", "A B C", "X A.2 C+", "X A.2 C+", "1 -1 2"},
};

TEST(ListMerge, FollowsEachRuleWhicheverSideIsMine)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        const CItemRows base = Rows(c.base), mine = Rows(c.mine), theirs = Rows(c.theirs);
        const MergedRows merged = MergeRows(base, mine, theirs);
        EXPECT_EQ(Words(merged.rows), c.merged);
        EXPECT_EQ(Places(merged.whereMineWent), c.whereMineWent);
        ExpectMineFollowed(mine, merged);

        const MergedRows theirsAsMine = MergeRows(base, theirs, mine);
        EXPECT_EQ(Words(theirsAsMine.rows), c.mergedTheirsAsMine ? c.mergedTheirsAsMine : c.merged);
        ExpectMineFollowed(theirs, theirsAsMine);
    }
}

// A list of 3,000 rows, two thirds of them with the texts of others, cut into
// stretches of ten; every other stretch is changed on one side or none, a few
// deletes, adds, edits, marks and moves each. The merge is every stretch as the side
// that changed it left it, and each row of mine that stayed as itself is followed.
TEST(ListMerge, TakesChangesInSeparateStretchesOfALargeListFromBothSides)
{
    std::mt19937 random(2024);
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::vector<std::string> base, sides[2], merged;
    std::vector<int> ownPlaces[2];  // per row of a side: its place in merged, -1 in the other's stretches
    int added = 0;
    for (int stretch = 0; stretch < 300; ++stretch) {
        std::vector<std::string> rows;
        for (int n = stretch * 10; n < stretch * 10 + 10; ++n)
            rows.push_back(n % 3 == 2 ? "u" + std::to_string(n) : "d" + std::to_string(n % 20));
        const int changer = stretch % 2 == 0 ? -1 : below(3) - 1;  // -1: neither
        std::vector<std::string> changed = rows;
        for (int change = 0; changer >= 0 && change < 1 + below(3); ++change) {
            const int at = below(static_cast<int>(changed.size()));
            std::string& row = changed[static_cast<size_t>(at)];
            switch (below(5)) {
            case 0: changed.erase(changed.begin() + at); break;
            case 1: changed.insert(changed.begin() + at, "n" + std::to_string(++added)); break;
            case 2: row = row.substr(0, row.find_first_of(".+")) + ".e" + std::to_string(++added); break;
            case 3: row = row.back() == '+' ? row.substr(0, row.size() - 1) : row + "+"; break;
            default: {
                const std::string moved = row;
                changed.erase(changed.begin() + at);
                changed.insert(changed.begin() + below(static_cast<int>(changed.size()) + 1), moved);
            }
            }
            if (changed.empty())
                changed.push_back("n" + std::to_string(++added));
        }
        for (int side = 0; side < 2; ++side) {
            const std::vector<std::string>& own = side == changer ? changed : rows;
            for (size_t row = 0; row < own.size(); ++row)
                ownPlaces[side].push_back(side == changer || changer < 0 ? static_cast<int>(merged.size() + row) : -1);
            sides[side].insert(sides[side].end(), own.begin(), own.end());
        }
        base.insert(base.end(), rows.begin(), rows.end());
        merged.insert(merged.end(), changed.begin(), changed.end());
    }
    auto joined = [](const std::vector<std::string>& words) {
        std::string text;
        for (const std::string& word : words)
            text += (text.empty() ? "" : " ") + word;
        return text;
    };

    for (int mine = 0; mine < 2; ++mine) {
        SCOPED_TRACE(mine == 0 ? "the first side as mine" : "the second side as mine");
        const CItemRows mineRows = Rows(joined(sides[mine]));
        const MergedRows result = MergeRows(Rows(joined(base)), mineRows, Rows(joined(sides[1 - mine])));
        ASSERT_EQ(Words(result.rows), joined(merged));
        ExpectMineFollowed(mineRows, result);
        for (size_t row = 0; row < ownPlaces[mine].size(); ++row) {
            if (ownPlaces[mine][row] >= 0) {
                ASSERT_EQ(result.whereMineWent[row], ownPlaces[mine][row]) << "row " << row;
            }
        }
    }
}

}  // namespace
