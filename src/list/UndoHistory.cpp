#include "UndoHistory.h"

#include <algorithm>
#include <utility>

size_t ListStep::Bytes() const
{
    return sizeof(ListStep) + rows.Bytes();
}

void CUndoHistory::Clear()
{
    m_done.clear();
    m_undone.clear();
    m_bytes = 0;
}

void CUndoHistory::Prepare()
{
    m_done.emplace_back();
    // Undo moves the step across: the room for it is made now.
    try {
        const size_t needed = m_undone.size() + m_done.size();
        if (m_undone.capacity() < needed)
            m_undone.reserve(std::max(needed, 2 * m_undone.capacity()));
    } catch (...) {
        m_done.pop_back();
        throw;
    }
}

void CUndoHistory::Cancel()
{
    m_done.pop_back();
}

void CUndoHistory::Commit(ListStep step)
{
    for (const ListStep& undone : m_undone)
        m_bytes -= undone.counted;
    m_undone.clear();
    step.counted = 0;
    Recount(step);
    m_done.back() = std::move(step);
    DropOldest();
}

void CUndoHistory::Recount(ListStep& step)
{
    m_bytes -= step.counted;
    step.counted = step.Bytes();
    m_bytes += step.counted;
}

void CUndoHistory::DropOldest()
{
    while (m_bytes > kMostBytes && m_done.size() > 1) {
        m_bytes -= m_done.front().counted;
        m_done.pop_front();
    }
}

void CUndoHistory::MoveNewestToUndone()
{
    Recount(m_done.back());
    m_undone.push_back(std::move(m_done.back()));  // room made by Prepare
    m_done.pop_back();
}

void CUndoHistory::PrepareRedo()
{
    m_done.emplace_back();
}

void CUndoHistory::CancelRedo()
{
    m_done.pop_back();
}

void CUndoHistory::MoveNewestToDone()
{
    Recount(m_undone.back());
    m_done.back() = std::move(m_undone.back());  // the room PrepareRedo made
    m_undone.pop_back();
    DropOldest();
}
