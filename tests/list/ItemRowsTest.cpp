// The packed rows against a plain vector of rows, through enough edits and deletes
// that the block of texts is made anew several times.
#include "list/ItemRows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A row of texts of many lengths, different for every n and version.
ItemRow Numbered(int n, int version = 0)
{
    ItemRow row;
    row.mark = static_cast<ItemMark>(n % 5);
    for (ItemColumn column : ItemColumns)
        row.Text(column) = std::wstring(static_cast<size_t>((n * 7 + column + version) % 23), L"abcd"[column]) +
                           std::to_wstring(n * 10 + version);
    return row;
}

// Each row as its mark and texts.
std::vector<std::wstring> Described(const CItemRows& rows)
{
    std::vector<std::wstring> described;
    for (int index = 0; index < rows.Count(); ++index) {
        CItemRows::Texts texts;
        rows.GetTexts(index, texts);
        described.push_back(std::to_wstring(rows.Mark(index)));
        for (std::wstring_view text : texts)
            described.back() += L"|" + std::wstring(text);
    }
    return described;
}

std::vector<std::wstring> Described(const std::vector<ItemRow>& rows)
{
    std::vector<std::wstring> described;
    for (const ItemRow& row : rows) {
        described.push_back(std::to_wstring(row.mark));
        for (ItemColumn column : ItemColumns)
            described.back() += L"|" + row.Text(column).str();
    }
    return described;
}

TEST(ItemRows, KeepEveryRowWholeThroughInsertsEditsDeletesMovesAndAttaches)
{
    CItemRows rows;
    std::vector<ItemRow> model;
    for (int n = 0; n < 300; ++n) {
        const int at = (n * 13) % (rows.Count() + 1);
        rows.Insert(at, Numbered(n));
        model.insert(model.begin() + at, Numbered(n));
    }
    for (int version = 1; version <= 3; ++version) {
        for (int index = version; index < rows.Count(); index += 2) {
            ItemRow& row = model[static_cast<size_t>(index)];
            const ItemMark kept = row.mark;
            row = Numbered(index, version);
            rows.SetTexts(index, row);
            row.mark = kept;
        }
    }
    ASSERT_EQ(Described(rows), Described(model)) << "after inserts and edits, which keep the marks";

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
    ASSERT_EQ(Described(rows), Described(model)) << "after deletes and moves";

    // Rows read from a file, with deletes of their own, go ahead of the others.
    CItemRows attached;
    std::vector<ItemRow> attachedModel;
    for (int n = 0; n < 120; ++n) {
        const ItemRow row = Numbered(n + 5000);
        const CItemRows::Texts texts = {row.name.str(), row.quantity.str(), row.location.str(), row.price.str()};
        attached.Append(row.mark, texts);
        attachedModel.push_back(row);
    }
    for (int n = 0; n < 60; ++n) {
        attached.Erase(n);
        attachedModel.erase(attachedModel.begin() + n);
    }
    rows.InsertAhead(attached);
    model.insert(model.begin(), attachedModel.begin(), attachedModel.end());
    while (rows.Count() > 10) {
        rows.Erase(rows.Count() / 2);
        model.erase(model.begin() + static_cast<std::ptrdiff_t>(model.size() / 2));
    }
    EXPECT_EQ(Described(attached), Described(attachedModel));
    EXPECT_EQ(Described(rows), Described(model)) << "after an attach and deletes";
}

}  // namespace
