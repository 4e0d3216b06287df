// The packed rows against a plain vector of rows, through enough edits and deletes
// that the block of texts is made anew several times.
#include "list/ItemRows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::wstring Describe(const ItemRow& row)
{
    return std::to_wstring(row.mark) + L"|" + row.name.str() + L"|" + row.quantity.str() + L"|" +
           row.location.str() + L"|" + row.price.str();
}

// Texts of many lengths, different for every n and every round.
ItemRow Numbered(int n, int round = 0)
{
    ItemRow row;
    row.mark = static_cast<ItemMark>(n % 5);
    for (ItemColumn column : ItemColumns)
        row.Text(column) = std::wstring(static_cast<size_t>((n * 7 + column + round) % 23), L"abcd"[column]) +
                           std::to_wstring(n) + L"." + std::to_wstring(round);
    return row;
}

void ExpectSame(const CItemRows& rows, const std::vector<ItemRow>& model, const char* after)
{
    SCOPED_TRACE(after);
    ASSERT_EQ(rows.Count(), static_cast<int>(model.size()));
    EXPECT_EQ(rows.IsEmpty(), model.empty());
    for (int index = 0; index < rows.Count(); ++index) {
        const ItemRow& expected = model[static_cast<size_t>(index)];
        ASSERT_EQ(Describe(rows.Get(index)), Describe(expected)) << "row " << index;
        CItemRows::Texts texts;
        rows.GetTexts(index, texts);
        for (ItemColumn column : ItemColumns) {
            ASSERT_EQ(texts[column], expected.Text(column).str());
            ASSERT_EQ(rows.TextView(index, column), expected.Text(column).str());
        }
    }
}

TEST(ItemRows, KeepEveryRowWholeThroughInsertsEditsDeletesMovesAndAttaches)
{
    CItemRows rows;
    std::vector<ItemRow> model;
    for (int n = 0; n < 300; ++n) {
        const int at = n % 3 == 0 ? 0 : (n * 13) % (rows.Count() + 1);
        rows.Insert(at, Numbered(n));
        model.insert(model.begin() + at, Numbered(n));
    }
    ExpectSame(rows, model, "inserts");

    for (int round = 1; round <= 3; ++round) {
        for (int index = round; index < rows.Count(); index += 2) {
            ItemRow edited = Numbered(index + 1000, round);
            edited.mark = MarkQuestion;
            rows.SetTexts(index, edited);
            edited.mark = model[static_cast<size_t>(index)].mark;
            model[static_cast<size_t>(index)] = edited;
        }
    }
    ExpectSame(rows, model, "edits, which keep the marks");

    for (int n = 0; n < 200; ++n) {
        const int at = (n * 37) % rows.Count();
        rows.Erase(at);
        model.erase(model.begin() + at);
        const int from = (n * 11) % rows.Count(), to = (n * 29) % rows.Count();
        rows.Move(from, to);
        const ItemRow moved = model[static_cast<size_t>(from)];
        model.erase(model.begin() + from);
        model.insert(model.begin() + to, moved);
    }
    ExpectSame(rows, model, "deletes and moves");

    CItemRows attached;
    std::vector<ItemRow> attachedModel;
    for (int n = 0; n < 120; ++n) {
        const ItemRow row = Numbered(n + 5000);
        CItemRows::Texts texts;
        for (ItemColumn column : ItemColumns)
            texts[column] = row.Text(column).str();
        attached.Append(row.mark, texts);
        attachedModel.push_back(row);
    }
    for (int n = 0; n < 60; ++n) {
        attached.Erase(n);
        attachedModel.erase(attachedModel.begin() + n);
    }
    rows.InsertAhead(attached);
    model.insert(model.begin(), attachedModel.begin(), attachedModel.end());
    ExpectSame(rows, model, "an attach of rows that had deletes of their own");
    ExpectSame(attached, attachedModel, "the attached rows themselves");

    while (rows.Count() > 10) {
        rows.Erase(rows.Count() / 2);
        model.erase(model.begin() + static_cast<std::ptrdiff_t>(model.size() / 2));
    }
    ExpectSame(rows, model, "deletes after the attach");

    rows.Clear();
    rows.Append(Numbered(1));
    ExpectSame(rows, {Numbered(1)}, "a clear");
}

}  // namespace
